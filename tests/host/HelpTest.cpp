#include "host/HostRun.h"
#include "host/TestBundle.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include "Shared/Data/DeckState.h"

#include "Widgets/ZavelWidgetsBundle.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zavel::host::testing {
namespace {

// Whether some line of `text` is `name` alone or `name` followed by blanks and more.
bool listsName(const std::string &text, const std::string &name) {
  auto all = lines(text);
  return std::any_of(all.begin(), all.end(), [&](const std::string &line) {
    std::string_view rest(line);
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    return rest.starts_with(name) && (rest.size() == name.size() || rest[name.size()] == ' ');
  });
}

// Help walks the bundle it is given, so a widget family added later is listed without anyone
// touching the help.
void expectEveryNameListed(const HostResult &help, const kit::widgets::WidgetBundle &bundle) {
  ASSERT_EQ(std::pair(help.status, help.err), std::pair(0, std::string()));
  for (const auto &intent : bundle.intents().intents())
    EXPECT_TRUE(listsName(help.out, intent.typeName)) << intent.typeName;
  for (const auto &entity : bundle.intents().entityTypeNames())
    EXPECT_TRUE(listsName(help.out, entity)) << entity;
}

TEST(HostHelp, ListsEveryRegisteredIntentAndEntityWithTheCasingsAndPoints) {
  zavel::test::TempHome home;
  HostResult tally = runHost({"help"});
  expectEveryNameListed(tally, testBundle());
  EXPECT_TRUE(listsName(tally.out, "TallyIntent  step (1)")) << tally.out;
  EXPECT_FALSE(listsName(tally.out, "AddWaterIntent"));

  HostResult program = runExecutable({"help"});
  auto widgets = makeWidgetsBundle();
  ASSERT_GE(widgets.intents().intents().size(), 15u);
  expectEveryNameListed(program, widgets);
  for (const char *word : {"followApp, graphite, cream", "points", "twice as many pixels"})
    EXPECT_NE(program.out.find(word), std::string::npos) << word;
}

bool has(const std::string &text, const std::string &part) {
  return text.find(part) != std::string::npos;
}

// Help names the data home and every variable read, and the values each choice parameter
// takes: the configurations' and the intents' texts alike.
TEST(HostHelp, NamesTheDataHomeTheVariablesAndEveryParametersChoices) {
  zavel::test::TempHome home;
  HostResult help = runHostOnWidgets({"help"});
  ASSERT_EQ(std::pair(help.status, help.err), std::pair(0, std::string()));
  std::string screens;
  for (auto view : DeckState::allWeatherViews)
    screens += (screens.empty() ? "" : ", ") + std::string(DeckState::rawValue(view));
  for (const std::string &part :
       {home.path().string(), std::string("ZAVEL_HOME"), std::string("XDG_DATA_HOME"),
        std::string("ZAVEL_RESOURCES"), std::string("ZAVEL_FORECAST_URL"),
        std::string("ZAVEL_GEOCODING_URL"), std::string("ZAVEL_AIR_QUALITY_URL"),
        std::string("ZAVEL_STOCKS_URL"),
        std::string("casing   followApp, graphite, cream (every widget)\n"),
        std::string("unit     system, celsius, fahrenheit\n"), "view (\"home\"; " + screens + ")",
        std::string("command (\"playpause\"; previous, playpause, next)"),
        std::string("without\na bus they are dropped, and still listed")})
    EXPECT_TRUE(has(help.out, part)) << part;
  EXPECT_TRUE(listsName(help.out, "TimeZoneEntity      city, city1, city2, city3, home, away"))
      << help.out;
}

// "--help" or "-h" after a command prints that command's part of the help, whatever else the
// line holds, and does nothing else.
TEST(HostHelp, ACommandsHelpOptionPrintsItsOwnPart) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  std::string png = scratch.root() / "moon.png";
  struct Case {
    std::vector<std::string> words;
    std::vector<std::string> shown;
    std::vector<std::string> notShown;
  } cases[] = {
      {{"render", "--help"},
       {"render KIND", "casing   followApp", "twice as many pixels"},
       {"perform INTENT", "ENTITY", "exit status"}},
      {{"render", "zavel.moon", "-o", png, "-h"}, {"render KIND"}, {"press KIND"}},
      {{"perform", "-h"}, {"perform INTENT", "AddStepsIntent", "notifications"}, {"render KIND"}},
      {{"query", "TimeZoneEntity", "--help"},
       {"query ENTITY", "  WeatherPlaceEntity\n"},
       {"INTENT"}},
      {{"defaults", "read", "zavel.timeformat", "--help"},
       {"defaults read", home.path().string()},
       {"KIND"}},
      {{"help", "press"}, {"press KIND X Y", "casing   followApp"}, {"render KIND", "exit status"}},
  };
  for (const auto &c : cases) {
    HostResult help = runHostOnWidgets(c.words);
    EXPECT_EQ(std::pair(help.status, help.err), std::pair(0, std::string()));
    EXPECT_TRUE(help.out.starts_with("usage:")) << help.out;
    for (const auto &part : c.shown)
      EXPECT_TRUE(has(help.out, part)) << c.words[0] << " lacks " << part;
    for (const auto &part : c.notShown)
      EXPECT_FALSE(has(help.out, part)) << c.words[0] << " shows " << part;
  }
  EXPECT_FALSE(std::filesystem::exists(png));
}

// "help COMMAND" prints what "COMMAND --help" prints; a name that is no command, or more than
// one, is refused, pointing at help.
TEST(HostHelp, HelpWithACommandsNamePrintsThatCommandsPart) {
  zavel::test::TempHome home;
  for (const char *command : {"render", "gallery", "perform", "query", "defaults", "list"}) {
    HostResult named = runHostOnWidgets({"help", command});
    EXPECT_EQ(std::pair(named.status, named.err), std::pair(0, std::string()));
    EXPECT_EQ(named.out, runHostOnWidgets({command, "--help"}).out) << command;
  }
  EXPECT_EQ(runHostOnWidgets({"help", "help"}).out, runHostOnWidgets({"help"}).out);
  for (const std::vector<std::string> &words :
       {std::vector<std::string>{"help", "bogus"}, {"help", "render", "gallery"}}) {
    HostResult refused = runHostOnWidgets(words);
    expectRefusal(refused, words);
    EXPECT_TRUE(refused.err.starts_with("zavel-widgets: help: ")) << refused.err;
  }
  EXPECT_TRUE(has(runHostOnWidgets({"help", "bogus"}).err, "zavel-widgets help lists"));
}

// Help names the data home the program uses, shown safely: here XDG_DATA_HOME's "zavel".
TEST(HostHelp, NamesTheDataHomeTheProgramUses) {
  test_support::ScratchTree scratch;
  const std::string data = scratch.root().string() + "/data\x1b";
  zavel::test::ScopedEnvironment environment(
      {{"ZAVEL_HOME", std::nullopt}, {"XDG_DATA_HOME", data}});
  EXPECT_TRUE(has(runHostOnWidgets({"help"}).out,
                  "The data home is \"" + scratch.root().string() + "/data\\x1B/zavel\""));
}

TEST(HostHelp, ANameInAnErrorIsShownSafely) {
  zavel::test::TempHome home;
  struct Case {
    std::vector<std::string> words;
    std::string line;
  } cases[] = {
      {{"perform", "Bad\xff\x01Name\"\\"},
       "zavel-widgets: perform: unknown intent \"Bad\\xFF\\x01Name\\\"\\\\\"\n"},
      {{"frob\xe2\x82"},
       "zavel-widgets: unknown command \"frob\\xE2\\x82\"; see zavel-widgets help\n"},
      // C1 controls (here the 8-bit CSI, U+009B) and DEL, which terminals may obey.
      {{"perform", "Bad\xc2\x9b"
                   "31mName\x7f\xc2\x80\xc2\x9f\xc2\xa0"},
       "zavel-widgets: perform: unknown intent "
       "\"Bad\\xC2\\x9B31mName\\x7F\\xC2\\x80\\xC2\\x9F\xc2\xa0\"\n"},
      {{"render", std::string(200, 'x') + "\n", "-o", "a.png"},
       "zavel-widgets: render: unknown widget kind \"" + std::string(64, 'x') +
           "…\"; zavel-widgets list shows the kinds\n"},
      // Characters beyond ASCII stay as they are.
      {{"query", "Zeitzone für Köln"},
       "zavel-widgets: query: unknown entity \"Zeitzone für Köln\"\n"},
  };
  for (const auto &c : cases) {
    HostResult refused = runHost(c.words);
    EXPECT_EQ(std::tuple(refused.status, refused.out, refused.err), std::tuple(2, "", c.line));
  }
}

} // namespace
} // namespace zavel::host::testing
