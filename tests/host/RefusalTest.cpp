#include "host/ArgumentValues.h"
#include "host/CommandErrors.h"
#include "host/HostRun.h"
#include "host/TestBundle.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include "Shared/Data/SharedSuite.h"

#include <gtest/gtest.h>

namespace zavel::host::testing {
namespace {

namespace fs = std::filesystem;

// Every kind of bad command line: exit 2, one line on standard error, nothing written.
TEST(HostRefusals, BadCommandLinesExitTwoWithOneLineAndWriteNothing) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  std::string png = scratch.root() / "a.png", folder = scratch.root() / "gallery";
  const std::string kind = "test.tally";
  const std::vector<std::vector<std::string>> refused{
      {},
      {"frobnicate"},
      {"list", "--yaml"},
      {"timeline"},
      {"timeline", "zavel.nothing"},
      {"timeline", kind, "--config"},
      {"timeline", kind, "--config", R"({"step": "two"})"},
      {"render", kind},
      {"render", kind, "-o", png, "--scale", "100"},
      // More than 4096 × 4096 pixels, or less than one pixel on a side.
      {"render", kind, "-o", png, "--scale", "48"},
      {"render", kind, "-o", png, "--size", "4096x4096"},
      {"render", kind, "-o", png, "--size", "4097x4096", "--scale", "1"},
      {"render", kind, "-o", png, "--scale", "1e-300"},
      {"render", kind, "-o", png, "--size", "0.5x100", "--scale", "1.999"},
      {"render", kind, "-o", png, "--entry", "3"},
      {"render", kind, "-o", png, "--scheme", "grey"},
      {"gallery", "-o", folder, "extra"},
      {"press", kind, "171", "10"}, // outside the widget
      // Drawn to find a key, its provider reading the suite, but nothing is there.
      {"press", "test.tally.board", "100", "100"},
      {"perform", "NoSuchIntent"},
      {"perform", "TallyIntent", "--params", R"({"step": 1.5})"},
      {"query", "TimeZoneEntity"}, // not in these widgets' bundle
      {"defaults", "copy", "test.key"},
      {"defaults", "write", "", "value"},
      {"defaults", "write", "test.key", "1", "--int", "--bool"},
      {"defaults", "write", "test.key", "maybe", "--bool"},
      {"defaults", "write", "test.key", "{", "--json"},
      {"defaults", "write", "test.key", "[1]", "--array"},
  };
  // Drawing a widget reads the suite and so makes its file; only that file may be there.
  ASSERT_FALSE(SharedSuite::open().object("test.key"));
  auto suiteOnly = filesBelow(home.path());
  for (const auto &words : refused)
    expectRefusal(runHost(words), words);
  EXPECT_EQ(filesBelow(home.path()), suiteOnly);
  EXPECT_FALSE(SharedSuite::open().object("test.key"));
  EXPECT_FALSE(SharedSuite::open().object(kCountKey));
  EXPECT_EQ(filesBelow(scratch.root()), std::vector<fs::path>{});
}

TEST(ArgumentValues, ReadsOnlyFiniteNumbersAndPositiveSizesWrittenInFull) {
  EXPECT_EQ(arguments::number("X", "-3e1"), -30);
  EXPECT_EQ(arguments::size("364x170.5"), (kit::ui::Size{364, 170.5}));
  for (const char *text : {"12px", "", "inf", "nan"})
    EXPECT_THROW(arguments::number("X", text), BadInput) << text;
  for (const char *text : {"1.5", "99999999999999999999"})
    EXPECT_THROW(arguments::wholeNumber("N", text), BadInput) << text;
  for (const char *text : {"364", "0x170", "-10x170", "10x", "10x20x30", "infx10"})
    EXPECT_THROW(arguments::size(text), BadInput) << text;
  for (const char *text : {"{\"a\": ", "[1, 2]", "\"text\""})
    EXPECT_THROW(arguments::jsonObject("--config", text), BadInput) << text;
}

} // namespace
} // namespace zavel::host::testing
