#include "AgendaHome.h"

#include "Shared/Data/SharedSuite.h"
#include "kit/events/EventStore.h"

#include "support/ScratchTree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

using agenda_test::AgendaHome;
using agenda_test::event;
using agenda_test::todo;
using zavel::CalendarSnapshot;
using zavel::EventItem;
using zavel::ReminderItem;
using zavel::RemindersSnapshot;
namespace EventSync = zavel::EventSync;

namespace {

const RemindersSnapshot storedReminders{
    .items = {{"old", "From an earlier reading", "09:00", false, false}},
    .nextUp = std::nullopt,
    .minutesToNext = std::nullopt};
const CalendarSnapshot storedCalendar{
    .events = {{"old", "09:00", "10:00", "From an earlier reading", "60 min", false, true}},
    .dayProgress = 0.25};

void storeEarlierReadings(const AgendaHome &home) {
  zavel::SharedSuite::write(EventSync::remindersKey, storedReminders, home.home());
  zavel::SharedSuite::write(EventSync::calendarKey, storedCalendar, home.home());
}

// The calendars folder in each state that gives no access.
struct NoAccess {
  const char *name;
  std::function<void(const AgendaHome &)> apply;
};

const NoAccess noAccessStates[] = {
    {"not set up", [](const AgendaHome &home) { std::filesystem::remove_all(home.calendars()); }},
    {"denied",
     [](const AgendaHome &home) {
       std::filesystem::remove_all(home.calendars());
       std::ofstream(home.calendars()) << "not a folder";
     }},
};

} // namespace

TEST(EventSync, WithAccessAFreshReadingIsStoredAndReturned) {
  AgendaHome home;
  storeEarlierReadings(home);
  home.add("inbox", "call.ics", todo("call", "DUE;TZID=Europe/Oslo:20240312T170000"));
  home.add("work", "review.ics", event("review", "20240312T150000", "20240312T154500"));

  auto reminders = EventSync::loadReminders(home.environment());
  ASSERT_TRUE(reminders);
  EXPECT_EQ(reminders->items,
            (std::vector<ReminderItem>{{"inbox/call", "call", "17:00", false, false}}));
  EXPECT_EQ(EventSync::storedReminders(home.home()), reminders);

  auto calendar = EventSync::loadCalendar(home.environment());
  ASSERT_TRUE(calendar);
  EXPECT_EQ(calendar->events.size(), 1u);
  EXPECT_EQ(EventSync::storedCalendar(home.home()), calendar);
}

TEST(EventSync, AnEmptyDayReplacesTheStoredSnapshots) {
  AgendaHome home;
  storeEarlierReadings(home);
  home.add("work", "tomorrow.ics", event("tomorrow", "20240313T090000", "20240313T100000"));
  RemindersSnapshot noReminders;
  CalendarSnapshot noEvents{.events = {}, .dayProgress = 7.0 / 16};
  EXPECT_EQ(EventSync::loadReminders(home.environment()), noReminders);
  EXPECT_EQ(EventSync::loadCalendar(home.environment()), noEvents);
  EXPECT_EQ(EventSync::storedReminders(home.home()), noReminders);
  EXPECT_EQ(EventSync::storedCalendar(home.home()), noEvents);
}

TEST(EventSync, WithoutAccessTheStoredSnapshotsServeUntouched) {
  for (const auto &state : noAccessStates) {
    AgendaHome home;
    storeEarlierReadings(home);
    state.apply(home);
    EventSync::toggleReminder("old", home.environment());
    EXPECT_EQ(EventSync::loadReminders(home.environment()), storedReminders) << state.name;
    EXPECT_EQ(EventSync::loadCalendar(home.environment()), storedCalendar) << state.name;
    EXPECT_EQ(EventSync::storedReminders(home.home()), storedReminders) << state.name;
    EXPECT_EQ(EventSync::storedCalendar(home.home()), storedCalendar) << state.name;
  }
}

TEST(EventSync, WithoutAccessOrAStoredSnapshotThereIsNone) {
  for (const auto &state : noAccessStates) {
    AgendaHome home;
    state.apply(home);
    zavel::SharedSuite::writeData(EventSync::calendarKey, R"({"events":[]})", home.home());
    EXPECT_EQ(EventSync::loadReminders(home.environment()), std::nullopt) << state.name;
    EXPECT_EQ(EventSync::loadCalendar(home.environment()), std::nullopt) << state.name;
  }
}

TEST(EventSync, ToggleCompletesThenReopensAndRefreshesTheStoredSnapshot) {
  AgendaHome home;
  auto file = home.add("inbox", "call.ics",
                       todo("call", "DUE;TZID=Europe/Oslo:20240312T170000\nX-KEPT:yes"));
  EventSync::toggleReminder("inbox/call", home.environment());
  auto store = kit::events::EventStore(home.calendars(), "Europe/Oslo");
  auto completed = store.reminder("inbox/call");
  ASSERT_TRUE(completed);
  EXPECT_TRUE(completed->completed);
  EXPECT_EQ(completed->completionDate, home.now);
  EXPECT_NE(home.read("inbox", "call.ics").find("X-KEPT:yes"), std::string::npos);
  EXPECT_EQ(EventSync::storedReminders(home.home())->items,
            (std::vector<ReminderItem>{{"inbox/call", "call", "17:00", true, false}}));

  EventSync::toggleReminder("inbox/call", home.environment());
  EXPECT_FALSE(store.reminder("inbox/call")->completed);
  EXPECT_EQ(EventSync::storedReminders(home.home())->items,
            (std::vector<ReminderItem>{{"inbox/call", "call", "17:00", false, false}}));
}

TEST(EventSync, ToggleOfAnythingButAReminderChangesNothing) {
  AgendaHome home;
  storeEarlierReadings(home);
  home.add("inbox", "call.ics", todo("call"));
  home.add("work", "review.ics", event("review", "20240312T150000", "20240312T154500"));
  auto before = home.read("inbox", "call.ics") + home.read("work", "review.ics");
  for (const char *id :
       {"", "call", "inbox/nothing", "work/review", "inbox/call.ics", "../calendars/inbox/call"}) {
    EventSync::toggleReminder(id, home.environment());
    EXPECT_EQ(home.read("inbox", "call.ics") + home.read("work", "review.ics"), before) << id;
    EXPECT_EQ(EventSync::storedReminders(home.home()), storedReminders) << id;
  }
}
