#include "Shared/Data/EventSync/AgendaHome.h"
#include "host/HostRun.h"
#include "kit/foundation/JsonCoding.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fmt/format.h>

namespace zavel::host::testing {
namespace {

using agenda_test::AgendaHome;
using agenda_test::todo;
using kit::foundation::Json;

// Tuesday 12 March 2024 at 14:00 in Oslo, the moment AgendaHome's clock reads.
const std::string moment = "2024-03-12 14:00:00";

Json run(const std::vector<std::string> &words) {
  HostResult result = runExecutableAt(moment, words);
  EXPECT_EQ(result.status, 0) << result.err;
  return result.out.empty() ? Json() : Json::parse(result.out);
}

// The laid-out tree of the widget as the program draws it now.
Json tree(const AgendaHome &home, const std::string &kind) {
  auto png = home.home() / "widget.png", dump = home.home() / "widget.json";
  run({"render", kind, "-o", png.string(), "--tree", dump.string()});
  return Json::parse(fileText(dump));
}

// Every node of the tree, depth first.
std::vector<Json> nodes(const Json &node) {
  std::vector<Json> all{node};
  for (const Json &child : node.value("children", Json::array()))
    for (Json &inner : nodes(child))
      all.push_back(std::move(inner));
  return all;
}

// The centre of the first key of the tree, as "X" and "Y" for a press.
std::vector<std::string> firstKey(const Json &tree) {
  for (const Json &node : nodes(tree["root"]))
    if (node["kind"] == "Button") {
      const Json &frame = node["frame"];
      double x = frame[0].get<double>() + frame[2].get<double>() / 2;
      double y = frame[1].get<double>() + frame[3].get<double>() / 2;
      return {fmt::format("{}", x), fmt::format("{}", y)};
    }
  ADD_FAILURE() << "no key";
  return {"0", "0"};
}

std::vector<std::string> texts(const Json &tree) {
  std::vector<std::string> texts;
  for (const Json &node : nodes(tree["root"]))
    if (node.contains("text"))
      texts.push_back(node["text"]);
  return texts;
}

// What a press on the key of "inbox/call" reports.
Json toggled(const std::string &kind) {
  return Json::parse(fmt::format(R"({{
      "intent": "ToggleReminderIntent", "params": {{"reminderID": "inbox/call"}},
      "reloaded": ["{}"], "notifications": [],
      "wrote": ["zavel.snapshot.reminders.v1", "calendars/inbox/call.ics"], "url": null}})",
                                 kind));
}

TEST(AgendaPress, ARowOrTheRoundKeyCompletesItsReminderAndAListRowReopensIt) {
  struct Case {
    const char *name;
    std::string kind;
    // Whether the key stays to reopen the reminder; the single view shows open ones only.
    bool keyStays;
  };
  for (const Case &c :
       {Case{.name = "list row", .kind = "zavel.reminders.list", .keyStays = true},
        Case{.name = "round key", .kind = "zavel.reminders.single", .keyStays = false}}) {
    AgendaHome home;
    home.add("inbox", "call.ics", todo("call", "DUE;TZID=Europe/Oslo:20240312T170000"));
    std::vector<std::string> press{"press", c.kind};
    for (const std::string &coordinate : firstKey(tree(home, c.kind)))
      press.push_back(coordinate);
    for (bool done : {true, false}) {
      std::string before = home.read("inbox", "call.ics");
      Json pressed = run(press);
      if (!done && !c.keyStays) {
        EXPECT_EQ(pressed["url"], "zavelwidgets://open/reminders") << c.name;
        EXPECT_EQ(home.read("inbox", "call.ics"), before) << c.name;
        continue;
      }
      EXPECT_EQ(pressed, toggled(c.kind)) << c.name;
      EXPECT_NE(
          home.read("inbox", "call.ics").find(done ? "STATUS:COMPLETED" : "STATUS:NEEDS-ACTION"),
          std::string::npos)
          << c.name;
      // This process sees what the program stored.
      auto stored = EventSync::storedReminders(home.home());
      ASSERT_TRUE(stored && stored->items.size() == 1) << c.name;
      EXPECT_EQ(stored->items[0].done, done) << c.name;
    }
  }
}

TEST(AgendaPress, AwayFromTheKeysAPressOpensTheWidgetsLink) {
  struct Case {
    const char *name;
    std::string kind;
    std::string url;
  };
  for (const Case &c : {
           Case{.name = "list header",
          .kind = "zavel.reminders.list",
          .url = "zavelwidgets://open/reminders"},
           Case{.name = "agenda header",
           .kind = "zavel.calendar.agenda",
           .url = "zavelwidgets://open/calendar"},
       }) {
    AgendaHome home;
    home.add("inbox", "call.ics", todo("call", "DUE;TZID=Europe/Oslo:20240312T170000"));
    std::string before = home.read("inbox", "call.ics");
    Json pressed = run({"press", c.kind, "40", "22"});
    EXPECT_EQ(pressed["url"], c.url) << c.name;
    EXPECT_TRUE(pressed["intent"].is_null()) << c.name;
    EXPECT_EQ(home.read("inbox", "call.ics"), before) << c.name;
  }
}

TEST(AgendaRender, DrawsTheCalendarsAndWithoutThemTheReadingStoredOnTheWay) {
  AgendaHome home;
  home.add("inbox", "call.ics", todo("call", "DUE;TZID=Europe/Oslo:20240312T170000"));
  home.add("work", "review.ics",
           agenda_test::event("review", "20240312T150000", "20240312T154500",
                              "SUMMARY:review\nLOCATION:Studio B"));
  const std::vector<std::string> reminders{"REMINDERS", "1", "call", "17:00"},
      agenda{"March 12", "1 EVENTS", "15:00", "review", "STUDIO B — 45 MIN", "DAY ELAPSED", "44%"};
  EXPECT_EQ(texts(tree(home, "zavel.reminders.list")), reminders);
  EXPECT_EQ(texts(tree(home, "zavel.calendar.agenda")), agenda);
  // A plain file where the folder was: no access, so the stored readings show.
  std::filesystem::remove_all(home.calendars());
  { std::ofstream(home.calendars()) << "not a folder"; }
  EXPECT_EQ(texts(tree(home, "zavel.reminders.list")), reminders);
  EXPECT_EQ(texts(tree(home, "zavel.calendar.agenda")), agenda);
}

} // namespace
} // namespace zavel::host::testing
