#include "AgendaHome.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using agenda_test::AgendaHome;
using agenda_test::event;
using agenda_test::oslo;
using zavel::CalendarSnapshot;
using zavel::EventItem;
using zavel::EventSync::readCalendar;

namespace {

// Tuesday 2024-03-12 in Oslo, read at 14:00.
void addTuesday(const AgendaHome &home) {
  home.add("home", "birthday.ics",
           "BEGIN:VEVENT\nUID:bday\nSUMMARY:Birthday\nDTSTART;VALUE=DATE:20240312\n"
           "DTEND;VALUE=DATE:20240313\nEND:VEVENT");
  home.add("home", "late.ics",
           event("late", "20240311T230000", "20240312T010000", "SUMMARY:Night train"));
  // Weekly on Tuesdays at 09:00, last week's skipped, today's moved to 10:00.
  home.add("work", "standup.ics",
           event("standup", "20240227T090000", "20240227T093000",
                 "SUMMARY:Standup\nRRULE:FREQ=WEEKLY;BYDAY=TU\n"
                 "EXDATE;TZID=Europe/Oslo:20240305T090000") +
               "BEGIN:VEVENT\nUID:standup\nSUMMARY:Standup (late)\n"
               "RECURRENCE-ID;TZID=Europe/Oslo:20240312T090000\n"
               "DTSTART;TZID=Europe/Oslo:20240312T100000\nDTEND;TZID=Europe/Oslo:20240312T101500\n"
               "END:VEVENT");
  home.add(
      "work", "running.ics",
      event("running", "20240312T133000", "20240312T143000", "SUMMARY:Workshop\nLOCATION:Room 4"));
  home.add("work", "review.ics",
           event("review", "20240312T150000", "20240312T154500",
                 "SUMMARY:Design review\nLOCATION:Studio B, second floor, east"));
  home.add("work", "untitled.ics", event("untitled", "20240312T160000", "20240312T163000"));
  home.add(
      "work", "cancelled.ics",
      event("cancelled", "20240312T170000", "20240312T180000", "SUMMARY:Off\nSTATUS:CANCELLED"));
  home.add("work", "dinner.ics",
           event("dinner", "20240312T183000", "20240312T200000", "SUMMARY:Dinner\nLOCATION:"));
  home.add("work", "call.ics", event("call", "20240312T210000", "20240312T213000", "SUMMARY:Call"));
  home.add("work", "tomorrow.ics",
           event("tomorrow", "20240313T090000", "20240313T100000", "SUMMARY:Tomorrow"));
}

} // namespace

TEST(CalendarReading, TodaysTimedEventsFirstSixByStart) {
  AgendaHome home;
  addTuesday(home);
  auto snapshot = readCalendar(home.environment());
  EXPECT_EQ(snapshot.events,
            (std::vector<EventItem>{
                {"home/late", "23:00", "01:00", "Night train", "Done", true, false},
                {"work/standup#20240312T080000Z", "10:00", "10:15", "Standup (late)", "Done", true,
                 false},
                {"work/running", "13:30", "14:30", "Workshop", "Room 4 · 60 min", false, false},
                {"work/review", "15:00", "15:45", "Design review",
                 "Studio B, second floor,  · 45 min", false, true},
                {"work/untitled", "16:00", "16:30", "Untitled", "30 min", false, false},
                {"work/dinner", "18:30", "20:00", "Dinner", "90 min", false, false},
            }));
  EXPECT_DOUBLE_EQ(snapshot.dayProgress, 7.0 / 16);
}

TEST(CalendarReading, NextIsTheFirstLaterEventAmongTheSixKept) {
  AgendaHome home;
  addTuesday(home);
  const std::vector<std::pair<kit::foundation::Date, std::vector<bool>>> cases = {
      {oslo(2024, 3, 12, 6), {false, true, false, false, false, false}},
      {oslo(2024, 3, 12, 14, 30), {false, false, false, true, false, false}}, // ends now: running
      {oslo(2024, 3, 12, 19), {false, false, false, false, false, false}},    // a 7th is later
  };
  for (const auto &[now, expected] : cases) {
    home.now = now;
    std::vector<bool> next;
    for (const auto &item : readCalendar(home.environment()).events)
      next.push_back(item.isNext);
    EXPECT_EQ(next, expected) << now.secondsSinceReferenceDate;
  }
  home.now = oslo(2024, 3, 12, 14, 30);
  EXPECT_FALSE(readCalendar(home.environment()).events[2].isPast);
}

TEST(CalendarReading, TextsAndProgressFollowTheClockSettings) {
  AgendaHome home;
  home.add("work", "review.ics", event("review", "20240312T150000", "20240312T154500"));
  home.setTimeFormat(12);
  home.now = oslo(2024, 3, 12, 23, 30);
  auto snapshot = readCalendar(home.environment());
  ASSERT_EQ(snapshot.events.size(), 1u);
  EXPECT_EQ(snapshot.events[0].start, "03:00");
  EXPECT_EQ(snapshot.events[0].end, "03:45");
  EXPECT_EQ(snapshot.events[0].detail, "Done");
  EXPECT_EQ(snapshot.dayProgress, 1.0);
}
