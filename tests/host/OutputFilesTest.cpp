#include "host/HostRun.h"
#include "kit/foundation/JsonCoding.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <map>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
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

// A command that fails changes none of its outputs: each is found writable (a file written whole
// under its temporary name, a device written into) before any file takes its place.
TEST(HostOutput, ACommandThatFailsChangesNoneOfItsOutputs) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  const fs::path root = scratch.root();
  const std::string old = scratch.write("old.png", "an older picture");
  const std::string oldTree = scratch.write("old.json", "an older tree");
  const std::string gallery = root / "gallery";
  ASSERT_EQ(runHost({"gallery", "-o", gallery}).status, 0);
  // One picture of the gallery cannot be written: a folder has its name. Another is older.
  fs::remove(gallery + "/test.tally.board.png");
  scratch.folder("gallery/test.tally.board.png");
  scratch.write("gallery/test.tally.png", "an older picture");
  fs::path full = root / "full";
  bool device = ::mknod(full.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) == 0;
  std::vector<std::vector<std::string>> failing{
      {"render", "test.tally", "-o", old, "--tree", root / "missing/t.json"},
      {"render", "test.tally", "-o", old, "--tree", root / "gallery"},
      {"render", "test.tally", "-o", root / "missing/p.png", "--tree", oldTree},
      {"gallery", "-o", gallery},
  };
  if (device)
    failing.push_back({"render", "test.tally", "-o", old, "--tree", full});
  auto before = contentsBelow(root);
  for (const auto &words : failing) {
    HostResult result = runHost(words);
    EXPECT_EQ(std::pair(result.status, lines(result.err).size()), std::pair(1, std::size_t{1}))
        << words.back() << ": " << result.err;
  }
  auto after = contentsBelow(root);
  EXPECT_EQ(after.size(), before.size());
  for (const auto &[file, contents] : before)
    EXPECT_TRUE(after[file] == contents) << file << " changed";
  if (!device)
    GTEST_SKIP() << "no device node of our own: a write into one was not tried";
}

// What a render of the tally at scale 1 writes: small enough for a pipe's or a socket's buffer,
// so nothing below waits for a reader.
const std::vector<std::string> kTallyAtScaleOne{"render", "test.tally", "--scale", "1", "-o"};

std::vector<std::string> renderTallyTo(const std::string &output) {
  auto words = kTallyAtScaleOne;
  words.push_back(output);
  return words;
}

// The picture as a regular file gets it, which every other output must get too.
std::string tallyPicture(const fs::path &file) {
  EXPECT_EQ(runHost(renderTallyTo(file)).status, 0);
  std::string picture = fileText(file);
  EXPECT_TRUE(picture.starts_with("\x89PNG")) << picture.size();
  return picture;
}

// Everything that can be read from the descriptor now, without waiting.
std::string readWaiting(int fd) {
  std::string text;
  char buffer[4096];
  for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
    text.append(buffer, std::size_t(got));
  return text;
}

struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0)
      ::close(fd);
  }
};

// Runs the program with `writing` as its standard output, SIGPIPE as a fresh process has it: its
// exit status (-1 when a signal ended it) and the lines of its standard error.
std::pair<int, std::vector<std::string>> runWithOutput(int writing,
                                                       const std::vector<std::string> &words) {
  test_support::ScratchTree scratch;
  const fs::path err = scratch.root() / "err";
  Descriptor saved{::dup(STDOUT_FILENO)};
  auto pipeSignal = std::signal(SIGPIPE, SIG_DFL);
  std::fflush(stdout);
  ::dup2(writing, STDOUT_FILENO);
  int status = std::system((programCommand(words) + " 2>" + err.string()).c_str());
  ::dup2(saved.fd, STDOUT_FILENO);
  std::signal(SIGPIPE, pipeSignal);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, lines(fileText(err))};
}

// A FIFO and a listening socket get the bytes a regular file gets, and stay what they were; a
// character device is written into too.
TEST(HostOutput, AFifoASocketOrADeviceIsWrittenIntoAndNeverReplaced) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  const std::string picture = tallyPicture(scratch.root() / "tally.png");

  fs::path fifo = scratch.root() / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Its own reader and writer: the render's open waits for nobody, and reading never blocks.
  Descriptor pipeEnds{::open(fifo.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC)};
  ASSERT_GE(pipeEnds.fd, 0);
  HostResult fed = runHost(renderTallyTo(fifo));
  EXPECT_EQ(std::pair(fed.status, fed.err), std::pair(0, std::string()));
  EXPECT_TRUE(readWaiting(pipeEnds.fd) == picture);
  EXPECT_TRUE(fs::is_fifo(fifo));

  fs::path socketFile = scratch.root() / "socket";
  Descriptor listening{::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)};
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socketFile.native().size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, socketFile.c_str());
  ASSERT_EQ(::bind(listening.fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listening.fd, 1), 0);
  HostResult sent = runHost(renderTallyTo(socketFile));
  EXPECT_EQ(std::pair(sent.status, sent.err), std::pair(0, std::string()));
  Descriptor connection{::accept(listening.fd, nullptr, nullptr)};
  ASSERT_GE(connection.fd, 0) << "the render never connected";
  EXPECT_TRUE(readWaiting(connection.fd) == picture);
  EXPECT_TRUE(fs::is_socket(socketFile));

  fs::path null = scratch.root() / "null";
  if (::mknod(null.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0)
    GTEST_SKIP() << "no device node of our own: " << std::strerror(errno);
  EXPECT_EQ(runHost(renderTallyTo(null)).status, 0);
  EXPECT_TRUE(fs::is_character_file(null));
}

// The full device refuses every byte: the render fails with the device's reason, which stays.
TEST(HostOutput, OntoTheFullDeviceTheRenderFailsWithItsReason) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  fs::path full = scratch.root() / "full";
  if (::mknod(full.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) != 0)
    GTEST_SKIP() << "no device node of our own: " << std::strerror(errno);
  expectNoSpaceFailure(runHost(renderTallyTo(full)));
  EXPECT_TRUE(fs::is_character_file(full));
  EXPECT_EQ(filesBelow(scratch.root()), std::vector<fs::path>{full});
}

// "-o -" and /dev/stdout stream the picture; a link is followed to the file it names.
TEST(HostOutput, StandardOutputTakesThePictureAndALinkLeadsToItsFile) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  fs::path file = scratch.root() / "tally.png";
  const std::string picture = tallyPicture(file);
  HostResult streamed = runHost(renderTallyTo("-"));
  EXPECT_EQ(std::pair(streamed.status, streamed.err), std::pair(0, std::string()));
  EXPECT_TRUE(streamed.out == picture) << streamed.out.size() << " bytes on standard output";
  HostResult tree =
      runHost({"render", "test.tally", "-o", scratch.root() / "other.png", "--tree", "-"});
  EXPECT_EQ(kit::foundation::Json::parse(tree.out)["widgetURL"], "zavel-test://tally");

  // An older file longer than the picture: nothing of it is left after the picture.
  fs::path real = scratch.write("real.png", std::string(2 * picture.size(), 'x'));
  fs::path link = scratch.root() / "link.png";
  fs::create_symlink("real.png", link);
  ASSERT_EQ(runHost(renderTallyTo(link)).status, 0);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_TRUE(fileText(real) == picture) << fileText(real).size() << " bytes";

  // This process's standard output, a pipe for the while, named as a file: the pipe is fed.
  int pipeEnds[2];
  ASSERT_EQ(::pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC), 0);
  Descriptor reading{pipeEnds[0]}, writing{pipeEnds[1]}, saved{::dup(STDOUT_FILENO)};
  std::fflush(stdout);
  ::dup2(writing.fd, STDOUT_FILENO);
  HostResult piped = runHost(renderTallyTo("/dev/stdout"));
  ::dup2(saved.fd, STDOUT_FILENO);
  EXPECT_EQ(std::pair(piped.status, piped.err), std::pair(0, std::string()));
  EXPECT_TRUE(readWaiting(reading.fd) == picture);
}

// A link that names nothing yet, through a chain of links, gets the file at its end made, as a
// shell's redirection through it would; one into a missing folder, or a loop, fails and makes
// nothing.
TEST(HostOutput, ALinkThatNamesNothingGetsItsFileMade) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  const fs::path root = scratch.root();
  const std::string picture = tallyPicture(root / "tally.png");
  fs::create_symlink("dangling.png", root / "chain.png");
  fs::create_symlink("made.png", root / "dangling.png");
  HostResult made = runHost(renderTallyTo(root / "chain.png"));
  EXPECT_EQ(std::pair(made.status, made.err), std::pair(0, std::string()));
  EXPECT_TRUE(fs::is_symlink(root / "chain.png") && fs::is_symlink(root / "dangling.png"));
  EXPECT_TRUE(fileText(root / "made.png") == picture);

  fs::create_symlink("gone/made.png", root / "astray.png");
  fs::create_symlink("loop.png", root / "loop.png");
  for (const char *failing : {"astray.png", "loop.png"}) {
    HostResult result = runHost(renderTallyTo(root / failing));
    EXPECT_EQ(std::pair(result.status, lines(result.err).size()), std::pair(1, std::size_t{1}))
        << result.err;
  }
  EXPECT_FALSE(fs::exists(root / "gone"));
}

// -o and --tree naming one file, however it is spelt, are refused before anything is written:
// the tree would take the picture's place.
TEST(HostOutput, PictureAndTreeNamingOneFileAreRefused) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  const fs::path root = scratch.root();
  const std::string kept = scratch.write("kept.png", "an older picture");
  scratch.folder("sub");
  fs::create_symlink("kept.png", root / "link.png");
  fs::create_hard_link(kept, root / "hard.png");
  fs::create_symlink("new.png", root / "dangling.png");
  const std::pair<std::string, std::string> named[] = {
      {root / "m.png", root / "m.png"},
      {root / "m.png", root / "sub/../m.png"},
      {kept, root / "link.png"},
      {kept, root / "hard.png"},
      {root / "new.png", root / "dangling.png"},
      {"-", "-"},
      {"-", "/dev/stdout"},
  };
  auto before = contentsBelow(root);
  for (const auto &[output, tree] : named) {
    std::vector<std::string> words{"render", "test.tally", "-o", output, "--tree", tree};
    expectRefusal(runHost(words), words);
  }
  EXPECT_EQ(contentsBelow(root), before);
}

// /dev/stdout a socket whose reader has gone: the render fails with the reason and exit 1, never
// ended by SIGPIPE, which it gets as a fresh process has it.
TEST(HostOutput, AStandardOutputSocketWithoutItsReaderFailsWithBrokenPipe) {
  zavel::test::TempHome home;
  int ends[2];
  ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends), 0);
  Descriptor writing{ends[0]};
  ::close(ends[1]);
  EXPECT_EQ(runWithOutput(writing.fd, {"render", "zavel.moon", "-o", "/dev/stdout"}),
            std::pair(1, std::vector<std::string>{"zavel-widgets: render: cannot write "
                                                  "\"/dev/stdout\": " +
                                                  std::string(std::strerror(EPIPE))}));
}

// A reader that left before the command printed (a pipe closed, as `| head -c 10` closes it) is a
// write that failed: exit 1 and one line, and no file named beside it is made or left half-made.
TEST(HostOutput, AReaderThatLeftFailsTheCommandAndLeavesNoTemporaries) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  const std::string brokenPipe = std::strerror(EPIPE);
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"render", "zavel.moon", "-o", "-", "--tree", scratch.root() / "keep.json"},
       "zavel-widgets: render: cannot write to standard output: " + brokenPipe},
      {{"list", "--json"}, "zavel-widgets: list: cannot write to standard output: " + brokenPipe},
      {{"help"}, "zavel-widgets: help: cannot write to standard output: " + brokenPipe},
  };
  for (const auto &[words, shown] : cases) {
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
    Descriptor writing{ends[1]};
    ::close(ends[0]);
    EXPECT_EQ(runWithOutput(writing.fd, words), std::pair(1, std::vector{shown}));
  }
  EXPECT_EQ(filesBelow(scratch.root()), std::vector<fs::path>{});
}

// A gallery picture a FIFO whose reader opens it and leaves: the gallery fails with one line,
// and no picture, page or temporary copy is left beside the FIFO.
TEST(HostOutput, AGalleryPictureWhoseReaderLeavesFailsTheGalleryAndLeavesNothing) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  // The deck's picture is larger than a pipe holds, so it is written after the reader left.
  const fs::path fifo = scratch.root() / "zavel.weather.deck.png";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::thread reader([&] { ::close(::open(fifo.c_str(), O_RDONLY | O_CLOEXEC)); });
  HostResult result = runExecutable({"gallery", "-o", scratch.root()});
  // A reader the gallery never met is let go.
  ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  reader.join();
  EXPECT_EQ(std::pair(result.status, lines(result.err)),
            std::pair(1, std::vector{"zavel-widgets: gallery: cannot write \"" + fifo.string() +
                                     "\": " + std::strerror(EPIPE)}));
  EXPECT_EQ(filesBelow(scratch.root()), std::vector{fifo});
}

} // namespace
} // namespace zavel::host::testing
