#include "kit/foundation/OwnerRights.h"

#include "support/Processes.h"
#include "support/ScratchTree.h"

#include <atomic>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace kit::foundation {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kOwner = 1234;
constexpr gid_t kOwnersGroup = 4321;

bool opens(const fs::path &file) {
  int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0)
    ::close(fd);
  return fd >= 0;
}

// The process's groups now.
std::vector<gid_t> groups() {
  std::vector<gid_t> list(static_cast<size_t>(::getgroups(0, nullptr)));
  list.resize(static_cast<size_t>(::getgroups(static_cast<int>(list.size()), list.data())));
  return list;
}

// Whose rights a run as root takes: the home's owner (a user without an account with the home's
// group alone), or for a home root owns or one still missing, the owner of the nearest folder
// above it; root keeps its own where it owns the home and every folder above it.
TEST(OwnerRights, ARunAsRootTakesTheRightsOfTheUserWhoOwnsTheHome) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "only root may take another user's rights";
  test_support::ScratchTree scratch;
  const fs::path owned = scratch.folder("owned"), roots = scratch.folder("root's");
  scratch.folder("owned/root's");
  ASSERT_EQ(::chown(owned.c_str(), kOwner, kOwnersGroup), 0);
  struct Case {
    const char *name;
    fs::path home;
    uid_t user;
    gid_t group;
  } cases[] = {
      {"the home's owner", owned, kOwner, kOwnersGroup},
      {"a folder of root's in the owner's", owned / "root's", kOwner, kOwnersGroup},
      {"a home still missing in the owner's", owned / "missing/zavel", kOwner, kOwnersGroup},
      {"root's own", roots, 0, ::getegid()},
      {"a home still missing in root's", roots / "missing", 0, ::getegid()},
  };
  for (const Case &c : cases) {
    const std::vector<gid_t> expectedGroups = c.user == 0 ? groups() : std::vector{c.group};
    EXPECT_TRUE(zavel::test::runInProcessesAtOnce(1, [&](int) {
      return !takeHomeOwnerRights(c.home) && ::geteuid() == c.user && ::getegid() == c.group &&
             groups() == expectedGroups;
    })) << c.name;
  }
}

// Taken, the owner's rights keep every thread out of root's own file, one made before them too;
// the thread that takes the invoker's back opens it meanwhile, alone, until it lets them go.
TEST(OwnerRights, OnlyTheThreadThatTakesTheInvokersRightsBackReachesRootsFiles) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "only root may take another user's rights";
  test_support::ScratchTree scratch;
  ::chmod(scratch.root().c_str(), 0755);
  const fs::path secret = scratch.write("secret", "root's own");
  ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
  const fs::path home = scratch.folder("home");
  ASSERT_EQ(::chown(home.c_str(), kOwner, kOwnersGroup), 0);
  EXPECT_TRUE(zavel::test::runInProcessesAtOnce(1, [&](int) {
    std::atomic<int> step = 0;
    bool otherOpened = true;
    std::thread other([&] {
      while (step.load() != 1)
        std::this_thread::yield();
      otherOpened = opens(secret);
      step = 2;
    });
    if (takeHomeOwnerRights(home)) {
      step = 1;
      other.join();
      return false;
    }
    bool before = opens(secret), inside = false, nested = false;
    {
      InvokerRights invoker;
      step = 1;
      while (step.load() != 2)
        std::this_thread::yield();
      inside = opens(secret);
      { InvokerRights again; }
      nested = opens(secret);
    }
    other.join();
    return !before && inside && nested && !otherOpened && !opens(secret);
  }));
}

} // namespace
} // namespace kit::foundation
