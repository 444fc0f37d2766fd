#include "CalendarFixture.h"

#include "kit/events/ReadingBudget.h"
#include "kit/foundation/Iso8601.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

using namespace events_test;
using kit::events::ReadingBudget;

namespace {

std::string event(const std::string &uid, std::string_view lines) {
  return "BEGIN:VEVENT\nUID:" + uid + "\n" + std::string(lines) + "\nEND:VEVENT\n";
}

const Date kDay = utc(2026, 12, 7);
const Date kNextDay = utc(2026, 12, 8);

std::vector<std::string> idsOn(const CalendarHome &home, std::size_t perEvent = SIZE_MAX) {
  return idsOf(EventStore(home.folder(), "UTC").events(kDay, kNextDay, perEvent));
}

} // namespace

// The agenda shows six events: a series gives no more than its first six occurrences that
// show, past the ones its EXDATEs take out and its changes move away.
TEST(ReadingBounds, ASeriesGivesItsFirstOccurrencesLeftAfterExceptionsAndChanges) {
  CalendarHome home;
  home.add("c", "minutes.ics",
           event("m", "DTSTART:20261207T090000Z\nRRULE:FREQ=MINUTELY\n"
                      "EXDATE:20261207T090000Z,20261207T090100Z") +
               event("m", "RECURRENCE-ID:20261207T090200Z\nDTSTART:20261207T150000Z") +
               event("m", "RECURRENCE-ID:20261207T090300Z\nDTSTART:20261207T090300Z\n"
                          "STATUS:CANCELLED"));
  EXPECT_EQ(idsOn(home, 6),
            (std::vector<std::string>{"c/m#20261207T090400Z", "c/m#20261207T090500Z",
                                      "c/m#20261207T090600Z", "c/m#20261207T090700Z",
                                      "c/m#20261207T090800Z", "c/m#20261207T090900Z",
                                      "c/m#20261207T090200Z"}));
}

// Each of these rules is followed minute by minute from its start three and a half years ago,
// within what one rule may take; together they take more than a reading may, and those past it
// give nothing. An event without a rule needs no such work and still shows.
TEST(ReadingBounds, RulesPastTheReadingsWorkGiveNothingAndPlainEventsStillShow) {
  auto costly = [](int i) {
    return event("costly" + std::to_string(i),
                 "DTSTART:20230601T090000Z\nRRULE:FREQ=MINUTELY;BYHOUR=9;COUNT=100000000");
  };
  CalendarHome alone;
  alone.add("c", "a.ics", costly(0));
  EXPECT_EQ(idsOn(alone, 1), std::vector<std::string>{"c/costly0#20261207T090000Z"});

  CalendarHome home;
  constexpr int kRules = 20;
  for (int i = 0; i < kRules; ++i)
    home.add("c", "a" + std::to_string(100 + i) + ".ics", costly(i));
  home.add("c", "z.ics", event("plain", "DTSTART:20261207T120000Z"));
  auto ids = idsOn(home, 1);
  ASSERT_FALSE(ids.empty());
  EXPECT_EQ(ids.back(), "c/plain");
  EXPECT_GT(ids.size(), 1u);
  EXPECT_LT(ids.size(), std::size_t{kRules} + 1);
}

// Asked for every occurrence, a reading still keeps no more than its bound: two every-second
// series would give 172,800 on one day.
TEST(ReadingBounds, AReadingKeepsNoMoreOccurrencesThanItsBound) {
  CalendarHome home;
  home.add("c", "seconds.ics",
           event("a", "DTSTART:20261207T000000Z\nRRULE:FREQ=SECONDLY") +
               event("b", "DTSTART:20261207T000000Z\nRRULE:FREQ=SECONDLY"));
  EXPECT_EQ(idsOn(home).size(), std::size_t{ReadingBudget::kOccurrences});
}

// A file holding more dates than a reading may keep is unreadable; the others still read.
TEST(ReadingBounds, AFileWithMoreValuesThanAReadingKeepsIsUnreadable) {
  std::string dates = "RDATE;VALUE=DATE:20261207";
  for (std::int64_t i = 0; i < ReadingBudget::kValues; ++i)
    dates += ",20261207";
  CalendarHome home;
  home.add("c", "dates.ics", event("dates", "DTSTART:20261207T080000Z\n" + dates));
  home.add("c", "plain.ics", event("plain", "DTSTART:20261207T120000Z"));
  EXPECT_EQ(idsOn(home), std::vector<std::string>{"c/plain"});
}

// Files are read in name order while their bytes fit in the reading's: eight of 7.5 MiB fit in
// its 64 MiB, a ninth does not, a small one after it still does.
TEST(ReadingBounds, FilesPastTheReadingsBytesAreLeftOutAndSmallerOnesAfterThemRead) {
  constexpr std::size_t kLarge = 15 << 19; // 7.5 MiB
  CalendarHome home;
  std::vector<std::string> expected;
  for (int i = 1; i <= 9; ++i) {
    std::string uid = "large" + std::to_string(i);
    std::string text =
        calendarText(event(uid, "DTSTART:20261207T0" + std::to_string(i) + "0000Z\nX-FILLER:"));
    text.insert(text.find("X-FILLER:") + 9, kLarge - text.size(), 'x');
    home.addRaw("c", uid + ".ics", text);
    if (i <= 8)
      expected.push_back("c/" + uid);
  }
  home.add("c", "small.ics", event("small", "DTSTART:20261207T120000Z"));
  expected.push_back("c/small");
  EXPECT_EQ(idsOn(home), expected);
}

// Reading an EXDATE costs the reading's work like steps of a rule; an event with more of them
// than the reading affords cannot be told, and shows nothing, while later ones do.
TEST(ReadingBounds, AnEventWithMoreDatesThanAReadingAffordsShowsNothing) {
  std::string dates = "EXDATE:20200101T090000Z";
  for (std::int64_t i = 1; i <= ReadingBudget::kSteps / ReadingBudget::kDateSteps; ++i)
    dates += ",20200101T090000Z";
  CalendarHome home;
  home.add("c", "a.ics", event("dated", "DTSTART:20200101T090000Z\nRRULE:FREQ=DAILY\n" + dates));
  home.add("c", "b.ics", event("plain", "DTSTART:20261207T120000Z"));
  EXPECT_EQ(idsOn(home), std::vector<std::string>{"c/plain"});
}

// A widget lists reminders by the tens; a reading keeps no more than its bound of them, the
// first it reads.
TEST(ReadingBounds, AReadingKeepsNoMoreRemindersThanItsBound) {
  std::string todos;
  for (std::int64_t i = 0; i <= ReadingBudget::kReminders; ++i)
    todos += fmt::format("BEGIN:VTODO\nUID:t{:05}\nEND:VTODO\n", i);
  CalendarHome home;
  home.add("c", "todos.ics", todos);
  auto ids = idsOf(home.store().incompleteReminders({}, EventStore::Undated::included));
  ASSERT_EQ(ids.size(), std::size_t{ReadingBudget::kReminders});
  EXPECT_EQ(ids.back(), fmt::format("c/t{:05}", ReadingBudget::kReminders - 1));
}
