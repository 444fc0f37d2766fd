#include "host/HostRun.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <map>
#include <sys/mount.h>
#include <unistd.h>

namespace zavel::host::testing {
namespace {

namespace fs = std::filesystem;

// A small tmpfs of its own, unmounted at the end, that the test fills to the last byte.
class SmallFileSystem {
public:
  explicit SmallFileSystem(const fs::path &mountPoint) : root_(mountPoint) {
    fs::create_directories(root_);
    if (::mount("tmpfs", root_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=4m") != 0)
      refusal_ = std::strerror(errno);
  }
  ~SmallFileSystem() {
    if (refusal_.empty())
      ::umount2(root_.c_str(), MNT_DETACH);
  }
  SmallFileSystem(const SmallFileSystem &) = delete;
  SmallFileSystem &operator=(const SmallFileSystem &) = delete;

  // Why it could not be mounted (not root, no right to mount); empty when it was.
  const std::string &refusal() const { return refusal_; }
  const fs::path &root() const { return root_; }

  // Writes a filler file until the file system has no byte left.
  void fill() const {
    int fd = ::open((root_ / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    std::string block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, block.data(), 1) > 0) {
    }
    EXPECT_EQ(errno, ENOSPC);
    ::close(fd);
  }

private:
  fs::path root_;
  std::string refusal_;
};

// Every file below `root` with its contents.
std::map<fs::path, std::string> contentsBelow(const fs::path &root) {
  std::map<fs::path, std::string> files;
  for (const auto &entry : fs::recursive_directory_iterator(root))
    files[entry.path()] = entry.is_regular_file() ? fileText(entry.path()) : "(folder)";
  return files;
}

// The failure line: one line naming the file system's own reason.
void expectNoSpaceFailure(const HostResult &result) {
  EXPECT_EQ(std::pair(result.status, lines(result.err).size()), std::pair(1, std::size_t{1}))
      << result.err;
  EXPECT_NE(result.err.find(std::strerror(ENOSPC)), std::string::npos) << result.err;
}

// A render and a gallery onto a full disk: each fails with the reason, the pictures from before
// stay as they were, and no empty or temporary file is left.
TEST(HostOutput, OntoAFullFileSystemTheEarlierPicturesStay) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  SmallFileSystem disk(scratch.root() / "disk");
  if (!disk.refusal().empty())
    GTEST_SKIP() << "no small file system to fill: mounting a tmpfs was refused (" << disk.refusal()
                 << ")";
  fs::path picture = disk.root() / "tally.png", gallery = disk.root() / "gallery";
  ASSERT_EQ(runHost({"render", "test.tally", "-o", picture}).status, 0);
  ASSERT_EQ(runHost({"gallery", "-o", gallery}).status, 0);
  auto before = contentsBelow(disk.root());
  disk.fill();
  auto full = contentsBelow(disk.root());

  expectNoSpaceFailure(runHost({"render", "test.tally", "-o", picture, "--scale", "3"}));
  expectNoSpaceFailure(runHost({"gallery", "-o", gallery}));
  EXPECT_EQ(contentsBelow(disk.root()), full);
  full.erase(disk.root() / "filler");
  EXPECT_EQ(full, before);
}

} // namespace
} // namespace zavel::host::testing
