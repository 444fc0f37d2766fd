#include "host/ArgumentValues.h"
#include "host/CommandErrors.h"
#include "host/HostRun.h"
#include "host/TestBundle.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/JsonCoding.h"

#include <gtest/gtest.h>
#include <map>

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
      // 20 × 8200 pixels: only its height is over.
      {"render", kind, "-o", png, "--size", "10x4100"},
      {"render", kind, "-o", "-", "--tree", "-"},
      {"render", kind, "-o", png, "--config", R"({"lable": "Tea"})"},
      {"timeline", kind, "--config", R"({"step": 2, "colour": "red"})"},
      {"gallery", "-o", "-"},
      {"render", kind, "-o", png, "--size", "0.5x100", "--scale", "1.999"},
      {"render", kind, "-o", png, "--entry", "3"},
      {"render", kind, "-o", png, "--scheme", "grey"},
      {"gallery", "-o", folder, "extra"},
      {"press", kind, "171", "10"}, // outside the widget
      // Drawn to find a key, its provider reading the suite, but nothing is there.
      {"press", "test.tally.board", "100", "100"},
      {"perform", "NoSuchIntent"},
      {"perform", "TallyIntent", "--params", R"({"step": 1.5})"},
      {"perform", "TallyIntent", "--params", R"({"steps": 2})"},
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

// What the configuration screens would never offer: a name the widget or intent does not
// declare, or a value outside a parameter's choices. The line names what it takes instead, and
// nothing is performed, posted or written.
TEST(HostRefusals, NamesAndValuesNotOfferedAreRefusedNamingWhatIsTaken) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  std::string png = scratch.root() / "a.png";
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused{
      {{"perform", "AddStepsIntent", "--params", R"({"step": 2500})"},
       R"(--params: "step" is not a parameter of AddStepsIntent; it takes steps)"},
      {{"perform", "AddWaterIntent", "--params", R"({"glasses": 2})"},
       R"(--params: "glasses" is not a parameter of AddWaterIntent, which takes none)"},
      {{"perform", "WeatherDeckViewIntent", "--params", R"({"view": "month"})"},
       R"(--params: "view" must be home|today|week|fav, not "month")"},
      {{"perform", "MediaCommandIntent", "--params", R"({"command": "stop"})"},
       R"(--params: "command" must be previous|playpause|next, not "stop")"},
      {{"render", "zavel.moon", "-o", png, "--config", R"({"casing": "creme"})"},
       R"(--config: "casing" must be followApp|graphite|cream, not "creme")"},
      {{"timeline", "zavel.weather.current", "--config", R"({"unit": "kelvin"})"},
       R"(--config: "unit" must be system|celsius|fahrenheit, not "kelvin")"},
      {{"press", "zavel.clock.dual", "10", "10", "--config", R"({"colour": "red"})"},
       R"(--config: "colour" is not a parameter of DualClockConfigIntent; it takes home, away, casing)"},
      // A value of another type for a parameter with choices names them too.
      {{"perform", "WeatherDeckViewIntent", "--params", R"({"view": 3})"},
       R"(--params: "view" must be home|today|week|fav, not 3)"},
      {{"perform", "MediaCommandIntent", "--params", R"({"command": ["next"]})"},
       R"(--params: "command" must be previous|playpause|next, not an array)"},
      {{"timeline", "zavel.moon", "--config", R"({"casing": false})"},
       R"(--config: "casing" must be followApp|graphite|cream, not false)"},
      // An integer parameter takes integers written as such, whatever their value.
      {{"perform", "AddStepsIntent", "--params", R"({"steps": 1e3})"},
       R"(--params: "steps" takes integers only, not 1000.0)"},
      {{"perform", "AddStepsIntent", "--params", R"({"steps": 2.0})"},
       R"(--params: "steps" takes integers only, not 2.0)"},
      {{"render", "zavel.countdown", "-o", png, "--config", R"({"target": "2027-06-01"})"},
       "an ISO 8601 date and time, such as 2027-06-01T09:00:00Z"},
      {{"render", "zavel.weather", "-o", png},
       R"(unknown widget kind "zavel.weather"; zavel-widgets list shows the kinds)"},
  };
  ASSERT_FALSE(SharedSuite::open().object("zavel.deck.weather.view"));
  auto suiteOnly = filesBelow(home.path());
  for (const auto &[words, message] : refused) {
    HostResult result = runHostOnWidgets(words);
    expectRefusal(result, words);
    EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
  }
  EXPECT_EQ(filesBelow(home.path()), suiteOnly);
  EXPECT_EQ(filesBelow(scratch.root()), std::vector<fs::path>{});
}

// A parameter given as null is left at its default, as one not given is: no refusal, and the
// command does its work.
TEST(HostRefusals, AParameterGivenAsNullKeepsItsDefault) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  const std::string png = scratch.root() / "moon.png", nullCasing = R"({"casing": null})";
  ASSERT_EQ(
      runHostOnWidgets({"perform", "WeatherDeckViewIntent", "--params", R"({"view": "week"})"})
          .status,
      0);
  const std::vector<std::vector<std::string>> runs{
      {"perform", "WeatherDeckViewIntent", "--params", R"({"view": null})"},
      {"render", "zavel.moon", "-o", png, "--config", nullCasing},
      {"timeline", "zavel.moon", "--config", nullCasing},
      {"perform", "AddStepsIntent", "--params", R"({"steps": null})"},
  };
  std::map<std::string, kit::foundation::Json> printed;
  for (const auto &words : runs) {
    HostResult result = runHostOnWidgets(words);
    EXPECT_EQ(std::pair(result.status, result.err), std::pair(0, std::string())) << words[1];
    if (result.status == 0 && !result.out.empty())
      printed[words[1]] = kit::foundation::Json::parse(result.out);
  }
  EXPECT_EQ(SharedSuite::open().string("zavel.deck.weather.view"), "home");
  EXPECT_EQ(printed["zavel.moon"]["entries"][0]["casing"], "followApp");
  // 1000 steps, not none.
  const kit::foundation::Json &wrote = printed["AddStepsIntent"]["wrote"];
  ASSERT_EQ(wrote.size(), 1u) << wrote;
  EXPECT_EQ(SharedSuite::open().integer(wrote[0].get<std::string>()), 1000) << wrote;
}

// A zone id is kept as the configuration's value even when it names no zone (the clock then
// shows the machine's zone), and the command says so once, pointing at the query that finds ids.
TEST(HostRefusals, AZoneIdThatNamesNoZoneIsKeptWithOneLineOnTheQuery) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  std::string png = scratch.root() / "dual.png";
  HostResult misspelt = runHostOnWidgets({"render", "zavel.clock.dual", "-o", png, "--config",
                                          R"({"home": "Oslo", "away": "Asia/Tokyo"})"});
  EXPECT_EQ(std::pair(misspelt.status, lines(misspelt.err).size()), std::pair(0, std::size_t{1}))
      << misspelt.err;
  for (const char *word : {"zavel-widgets: render: --config: \"home\" is \"Oslo\"",
                           "zavel-widgets query TimeZoneEntity"})
    EXPECT_NE(misspelt.err.find(word), std::string::npos) << misspelt.err;
  EXPECT_TRUE(fs::is_regular_file(png));

  HostResult known = runHostOnWidgets({"timeline", "zavel.clock.dual", "--config",
                                       R"({"home": "Europe/Oslo", "away": "Asia/Tokyo"})"});
  EXPECT_EQ(std::pair(known.status, known.err), std::pair(0, std::string()));
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
