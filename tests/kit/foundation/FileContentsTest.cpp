#include "kit/foundation/FileContents.h"

#include "support/ScratchTree.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

using kit::foundation::readRegularFile;
namespace fs = std::filesystem;

TEST(FileContents, ARegularFileWithinTheLimitReadsWholeAndAnythingElseReadsAsNone) {
  test_support::ScratchTree scratch;
  const std::string text = "twelve bytes";
  fs::path file = scratch.write("file.txt", text);
  fs::path link = scratch.root() / "link.txt";
  fs::create_symlink(file, link);
  fs::path pipe = scratch.root() / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  struct Case {
    const char *name;
    fs::path path;
    std::uintmax_t largest;
    std::optional<std::string> expected;
  } cases[] = {
      {"at the limit", file, 12, text},
      {"through a link", link, 12, text},
      {"a byte over", file, 11, std::nullopt},
      {"empty", scratch.write("empty.txt", ""), 0, ""},
      {"a folder", scratch.folder("folder"), 100, std::nullopt},
      {"a pipe with no writer, not waited on", pipe, 100, std::nullopt},
      {"missing", scratch.root() / "missing.txt", 100, std::nullopt},
      // Stated as 0 bytes, about 1.4 KB when read: only what it holds counts.
      {"a file that runs past its stated size", "/proc/self/status", 16, std::nullopt},
  };
  for (const Case &c : cases)
    EXPECT_EQ(readRegularFile(c.path, c.largest), c.expected) << c.name;
}
