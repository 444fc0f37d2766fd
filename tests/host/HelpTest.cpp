#include "host/HostRun.h"
#include "host/TestBundle.h"
#include "support/TempHome.h"

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
      {{"render", std::string(200, 'x') + "\n", "-o", "a.png"},
       "zavel-widgets: render: unknown widget kind \"" + std::string(64, 'x') + "…\"\n"},
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
