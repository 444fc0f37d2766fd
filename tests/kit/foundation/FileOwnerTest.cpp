#include "kit/foundation/FileOwner.h"
#include "kit/foundation/Defaults.h"
#include "kit/foundation/FileLock.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/ui/drawing/StaticLayerFiles.h"

#include "support/Processes.h"
#include "support/ScratchTree.h"

#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit::foundation {
namespace {

namespace fs = std::filesystem;

using Owner = std::pair<uid_t, gid_t>;
constexpr Owner kOwner{1234, 1234};

// Everything the kit makes in a data home: a lock file, a store with its log and its index, the
// group's container and a saved layer, with the folders on their way. True when each was had.
bool useHome(const fs::path &home) {
  auto lock = FileLock::exclusive(lockFileBeside(home / "notes.json"));
  auto suite = Defaults::suite("group", home);
  bool written = suite && suite->set("key", int64_t{1});
  ui::drawing::StaticLayerFiles layers(home / "caches/layers");
  layers.save("key",
              {ui::drawing::SurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1))});
  return lock && written && groupContainer("group", home) && layers.load("key");
}

// What root makes in someone's folder is theirs; what another user in the folder's group makes
// is that user's, in the folder's group. Each of the ten files and folders made, the store's log
// and index too.
TEST(FileOwner, WhatIsMadeInAFolderTakesItsOwnerAndGroupWhereTheProcessMayGiveThem) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "only root may give a file to another user, or become one";
  const gid_t owners[] = {kOwner.second};
  struct Case {
    const char *who;
    std::function<bool()> become;
    Owner made;
  } cases[] = {
      {"root", [] { return true; }, kOwner},
      {"a user in the group",
       [&] { return ::setgroups(1, owners) == 0 && ::setgid(4321) == 0 && ::setuid(4321) == 0; },
       {4321, kOwner.second}},
  };
  for (const Case &c : cases) {
    test_support::ScratchTree scratch;
    const fs::path home = scratch.folder("home");
    ::chmod(scratch.root().c_str(), 0755);
    ASSERT_EQ(::chown(home.c_str(), kOwner.first, kOwner.second), 0);
    ASSERT_EQ(::chmod(home.c_str(), 0777), 0);
    ASSERT_TRUE(zavel::test::runInProcessesAtOnce(1, [&](int) {
      return c.become() && useHome(home);
    })) << c.who;
    std::size_t made = 0;
    for (const auto &entry : fs::recursive_directory_iterator(home)) {
      struct stat status {};
      ::lstat(entry.path().c_str(), &status);
      EXPECT_EQ(Owner(status.st_uid, status.st_gid), c.made) << c.who << ": " << entry.path();
      ++made;
    }
    EXPECT_EQ(made, 10u) << c.who;
  }
}

} // namespace
} // namespace kit::foundation
