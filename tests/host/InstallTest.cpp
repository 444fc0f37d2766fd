#include "host/HostRun.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace zavel::host::testing {
namespace {

namespace fs = std::filesystem;

std::set<std::string> fileNamesIn(const fs::path &folder) {
  std::set<std::string> names;
  std::error_code error;
  for (const auto &entry : fs::directory_iterator(folder, error))
    names.insert(entry.path().filename().string());
  return names;
}

// Installed under a prefix and run from another folder, the program draws with the fonts it was
// built with, as the build tree's program does. With the installed fonts gone it says so in one
// line, naming where it looked, and still draws.
TEST(Install, TheInstalledProgramFindsItsFontsFromAnyFolder) {
  const fs::path built = ZAVEL_WIDGETS_EXE, build = built.parent_path();
  const auto shipped = fileNamesIn(build / "resources" / "fonts");
  if (shipped.empty())
    GTEST_SKIP() << "this build has no shipped fonts (scripts/setup fetches them)";
  zavel::test::TempHome home;
  zavel::test::ScopedEnvironment found({{"ZAVEL_RESOURCES", std::nullopt}});
  test_support::ScratchTree scratch;
  const fs::path prefix = scratch.root() / "prefix", elsewhere = scratch.folder("elsewhere");
  std::string install = "cmake --install '" + build.string() + "' --prefix '" + prefix.string() +
                        "' >'" + (scratch.root() / "install.log").string() + "' 2>&1";
  ASSERT_EQ(std::system(install.c_str()), 0) << fileText(scratch.root() / "install.log");
  const fs::path installed = prefix / "bin" / "zavel-widgets";
  const fs::path fonts = prefix / "share" / "zavel-widgets" / "fonts";
  EXPECT_EQ(fileNamesIn(fonts), shipped);

  auto renderTo = [](std::string file) {
    return std::vector<std::string>{"render", "zavel.notes.single", "-o", std::move(file)};
  };
  ASSERT_EQ(runProgramFrom(elsewhere, built, renderTo("built.png")).status, 0);
  HostResult drawn = runProgramFrom(elsewhere, installed, renderTo("installed.png"));
  EXPECT_EQ(std::pair(drawn.status, drawn.err), std::pair(0, std::string()));
  const std::string withFonts = fileText(elsewhere / "installed.png");
  EXPECT_TRUE(withFonts == fileText(elsewhere / "built.png"));

  fs::rename(fonts, scratch.root() / "fonts");
  HostResult bare = runProgramFrom(elsewhere, installed, renderTo("bare.png"));
  EXPECT_EQ(std::pair(bare.status, lines(bare.err).size()), std::pair(0, std::size_t{1}));
  EXPECT_NE(bare.err.find(fonts.string()), std::string::npos) << bare.err;
  EXPECT_NE(bare.err.find("ZAVEL_RESOURCES"), std::string::npos) << bare.err;
  const std::string withoutFonts = fileText(elsewhere / "bare.png");
  EXPECT_TRUE(withoutFonts.starts_with("\x89PNG") && withoutFonts != withFonts);
}

// Only the commands that draw or lay out text (render, gallery, press) need the fonts, so only
// they say the fonts are missing, once, naming where they looked with its bytes escaped.
TEST(Install, OnlyCommandsThatDrawSayTheFontsAreMissing) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  const std::string root = scratch.root().string();
  zavel::test::ScopedEnvironment bare({{"ZAVEL_RESOURCES", scratch.folder("res\x1b[2J")}});
  const std::string line = "the shipped fonts are not in \"" + root +
                           "/res\\x1B[2J/fonts\"; text is drawn in the system's fonts "
                           "(ZAVEL_RESOURCES names the folder that holds fonts/)\n";
  const std::pair<std::vector<std::string>, bool> drawing[] = {
      {{"help"}, false},
      {{"list"}, false},
      {{"timeline", "zavel.notes.deck"}, false},
      {{"defaults", "write", "zavel.timeformat", "24", "--int"}, false},
      {{"perform", "AddStepsIntent"}, false},
      {{"query", "TimeZoneEntity", "Oslo"}, false},
      {{"render", "zavel.notes.single", "-o", root + "/a.png"}, true},
      {{"gallery", "-o", root + "/gallery"}, true},
      {{"press", "zavel.notes.deck", "335", "145"}, true},
  };
  for (const auto &[words, draws] : drawing) {
    HostResult result = runExecutable(words);
    EXPECT_EQ(std::pair(result.status, result.err),
              std::pair(0, draws ? "zavel-widgets: " + words[0] + ": " + line : ""));
  }
}

} // namespace
} // namespace zavel::host::testing
