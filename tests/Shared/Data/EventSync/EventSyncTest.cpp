#include "AgendaHome.h"

#include "Shared/Data/SharedSuite.h"
#include "kit/events/EventStore.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zavel::EventSync {
namespace {

using agenda_test::AgendaHome;
using agenda_test::event;
using agenda_test::todo;

using Snapshots = std::tuple<std::optional<RemindersSnapshot>, std::optional<CalendarSnapshot>>;

const RemindersSnapshot earlierReminders{{{"old", "Earlier", "09:00", false, false}}, {}, {}};
const CalendarSnapshot earlierCalendar{
    {{"old", "09:00", "10:00", "Earlier", "60 min", false, true}}, 0.25};
const Snapshots earlier{earlierReminders, earlierCalendar};

void storeEarlierReadings(const AgendaHome &home) {
  SharedSuite::write(remindersKey, earlierReminders, home.home());
  SharedSuite::write(calendarKey, earlierCalendar, home.home());
}

Snapshots loaded(const AgendaHome &home) {
  return {loadReminders(home.environment()), loadCalendar(home.environment())};
}

Snapshots stored(const AgendaHome &home) {
  return {storedReminders(home.home()), storedCalendar(home.home())};
}

TEST(EventSync, WithAccessAFreshReadingEvenOfAnEmptyDayIsStoredAndReturned) {
  for (bool empty : {false, true}) {
    AgendaHome home;
    storeEarlierReadings(home);
    if (!empty) {
      home.add("inbox", "call.ics", todo("call", "DUE;TZID=Europe/Oslo:20240312T170000"));
      home.add("work", "review.ics", event("review", "20240312T150000", "20240312T154500"));
    }
    Snapshots fresh = loaded(home);
    EXPECT_EQ(fresh,
              Snapshots(readReminders(home.environment()), readCalendar(home.environment())));
    EXPECT_EQ(std::get<1>(fresh)->events.size(), empty ? 0u : 1u);
    EXPECT_EQ(stored(home), fresh);
  }
}

TEST(EventSync, WithoutAccessTheStoredSnapshotsServeUntouchedOrThereIsNone) {
  for (bool denied : {false, true}) {
    AgendaHome home;
    std::filesystem::remove_all(home.calendars());
    if (denied)
      std::ofstream(home.calendars()) << "no folder";
    SharedSuite::writeData(calendarKey, R"({"events":[]})", home.home());
    EXPECT_EQ(loaded(home), Snapshots()) << denied;
    storeEarlierReadings(home);
    toggleReminder("old", home.environment());
    EXPECT_EQ(loaded(home), earlier) << denied;
    EXPECT_EQ(stored(home), earlier) << denied;
  }
}

TEST(EventSync, ToggleCompletesThenReopensAndRefreshesTheStoredSnapshot) {
  AgendaHome home;
  home.add("inbox", "call.ics", todo("call", "DUE;TZID=Europe/Oslo:20240312T170000"));
  auto store = kit::events::EventStore(home.calendars(), "Europe/Oslo");
  for (bool done : {true, false}) {
    toggleReminder("inbox/call", home.environment());
    auto reminder = store.reminder("inbox/call");
    ASSERT_TRUE(reminder);
    EXPECT_EQ(std::tuple(reminder->completed, reminder->completionDate),
              std::tuple(done, done ? std::optional(home.now) : std::nullopt));
    EXPECT_EQ(storedReminders(home.home())->items,
              (std::vector<ReminderItem>{{"inbox/call", "call", "17:00", done, false}}));
  }
}

TEST(EventSync, ToggleOfAnythingButAReminderChangesNothing) {
  AgendaHome home;
  storeEarlierReadings(home);
  home.add("inbox", "call.ics", todo("call"));
  home.add("work", "review.ics", event("review", "20240312T150000", "20240312T154500"));
  auto before = home.read("inbox", "call.ics") + home.read("work", "review.ics");
  for (const char *id : {"work/review", "../calendars/inbox/call"}) {
    toggleReminder(id, home.environment());
    EXPECT_EQ(home.read("inbox", "call.ics") + home.read("work", "review.ics"), before) << id;
    EXPECT_EQ(stored(home), earlier) << id;
  }
}

TEST(EventSync, InvalidUtf8InATitleIsReplacedAndTheSnapshotStores) {
  AgendaHome home;
  home.add("inbox", "bad.ics",
           "BEGIN:VTODO\nUID:bad\nSUMMARY:bad\xC3(\nDUE:20240312T150000Z\nEND:VTODO");
  auto snapshot = loadReminders(home.environment());
  ASSERT_TRUE(snapshot && snapshot->items.size() == 1u);
  EXPECT_EQ(snapshot->items[0].title, "bad\xEF\xBF\xBD(");
  EXPECT_EQ(storedReminders(home.home()), snapshot);
}

} // namespace
} // namespace zavel::EventSync
