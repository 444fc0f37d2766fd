#include "CalendarFixture.h"

#include "kit/foundation/Iso8601.h"

#include "support/Processes.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace events_test;

namespace {

using Starts = std::vector<std::string>;

// "20260310T000000Z" as a moment.
Date moment(std::string_view basic) {
  auto field = [&](size_t at, size_t length) {
    return std::stoi(std::string(basic.substr(at, length)));
  };
  return utc(field(0, 4), field(4, 2), field(6, 2), field(9, 2), field(11, 2), field(13, 2));
}

Starts startsOf(const std::vector<kit::events::Event> &events) {
  Starts starts;
  for (const auto &event : events)
    starts.push_back(kit::foundation::iso8601String(event.start));
  return starts;
}

std::string event(const std::string &uid, std::string_view lines) {
  return "BEGIN:VEVENT\nUID:" + uid + "\n" + std::string(lines) + "\nEND:VEVENT\n";
}

// The starts of one event's occurrences over [from, to), read in `zone`.
Starts seriesStarts(std::string_view lines, std::string_view from, std::string_view to,
                    const std::string &zone = "Europe/Oslo") {
  return startsOf(eventsIn(event("series", lines), moment(from), moment(to), zone));
}

// One series over a span, and the starts it must give there.
struct SeriesCase {
  const char *name;
  const char *lines;
  const char *from;
  const char *to;
  Starts expected;
};

template <std::size_t N> void expectStarts(const SeriesCase (&cases)[N]) {
  for (const auto &c : cases)
    EXPECT_EQ(seriesStarts(c.lines, c.from, c.to), c.expected) << c.name;
}

} // namespace

// 2026-03-10 in Berlin runs from 23:00 UTC the day before.
TEST(Recurrence, SeriesStartedDaysBeforeKeepTheRhythmOfTheirStart) {
  auto onTheDay = [](std::string_view lines) {
    return seriesStarts(lines, "20260309T230000Z", "20260310T230000Z", "Europe/Berlin");
  };
  // 25 hours after the start, then every 5 hours; 01:00 on the 11th is past the day.
  EXPECT_EQ(onTheDay("DTSTART:20260308T230000Z\nRRULE:FREQ=HOURLY;INTERVAL=5"),
            (Starts{"2026-03-10T00:00:00Z", "2026-03-10T05:00:00Z", "2026-03-10T10:00:00Z",
                    "2026-03-10T15:00:00Z", "2026-03-10T20:00:00Z"}));
  // 00, 10 and 20 on the 7th; 06 and 16 on the 8th; 02, 12 and 22 on the 9th.
  EXPECT_EQ(onTheDay("DTSTART:20260307T000000Z\nRRULE:FREQ=HOURLY;INTERVAL=10"),
            (Starts{"2026-03-10T08:00:00Z", "2026-03-10T18:00:00Z"}));
  // From 2000-01-01 to the day's start are 9564 days and 23 hours, 13,773,540 minutes: 4 past a
  // multiple of 7. So the first start is 23:03, then 205 more, the last at 22:58.
  auto minutes = onTheDay("DTSTART:20000101T000000Z\nRRULE:FREQ=MINUTELY;INTERVAL=7");
  ASSERT_EQ(minutes.size(), 206u);
  EXPECT_EQ(minutes.front(), "2026-03-09T23:03:00Z");
  EXPECT_EQ(minutes.back(), "2026-03-10T22:58:00Z");
}

// The expected starts were generated once with python3-dateutil 2.9 (rrulestr and rruleset over
// the same DTSTART, RRULE, EXDATE and RDATE, with tz.gettz for the zones), taking the
// occurrences whose moment lies in the span; they are kept here as data.
TEST(Recurrence, RulesOfEveryFrequencyGiveWhatAReferenceLibraryGives) {
  const SeriesCase cases[] = {
      {"yearly fourth Thursday of November",
       "DTSTART:19951123T170000Z\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=4TH",
       "20251101T000000Z",
       "20270101T000000Z",
       {"2025-11-27T17:00:00Z", "2026-11-26T17:00:00Z"}},
      {"yearly on a leap day, every fourth year",
       "DTSTART:20000229T080000Z\nRRULE:FREQ=YEARLY",
       "20250101T000000Z",
       "20330101T000000Z",
       {"2028-02-29T08:00:00Z", "2032-02-29T08:00:00Z"}},
      {"yearly week 1 and the last week, on Mondays, weeks from Sunday",
       "DTSTART:19990104T100000Z\nRRULE:FREQ=YEARLY;BYWEEKNO=1,-1;BYDAY=MO;WKST=SU",
       "20251201T000000Z",
       "20270201T000000Z",
       {"2025-12-29T10:00:00Z", "2026-01-05T10:00:00Z", "2026-12-28T10:00:00Z",
        "2027-01-04T10:00:00Z"}},
      {"yearly days from the end, every third year",
       "DTSTART:19970101T120000Z\nRRULE:FREQ=YEARLY;INTERVAL=3;BYYEARDAY=-1,-306",
       "20240101T000000Z",
       "20280101T000000Z",
       {"2024-03-01T12:00:00Z", "2024-12-31T12:00:00Z", "2027-03-01T12:00:00Z",
        "2027-12-31T12:00:00Z"}},
      {"yearly last workday",
       "DTSTART:19901231T160000Z\nRRULE:FREQ=YEARLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1",
       "20251201T000000Z",
       "20280101T000000Z",
       {"2025-12-31T16:00:00Z", "2026-12-31T16:00:00Z", "2027-12-31T16:00:00Z"}},
      {"monthly on the 31st skips short months",
       "DTSTART:20010131T090000Z\nRRULE:FREQ=MONTHLY",
       "20260101T000000Z",
       "20260701T000000Z",
       {"2026-01-31T09:00:00Z", "2026-03-31T09:00:00Z", "2026-05-31T09:00:00Z"}},
      {"monthly last workday, every fifth month",
       "DTSTART:19980130T150000Z\nRRULE:FREQ=MONTHLY;INTERVAL=5;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1",
       "20250101T000000Z",
       "20270101T000000Z",
       {"2025-02-28T15:00:00Z", "2025-07-31T15:00:00Z", "2025-12-31T15:00:00Z",
        "2026-05-29T15:00:00Z", "2026-10-30T15:00:00Z"}},
      {"monthly Friday the 13th, counted",
       "DTSTART:19980213T200000Z\nRRULE:FREQ=MONTHLY;BYDAY=FR;BYMONTHDAY=13;COUNT=50",
       "20250101T000000Z",
       "20270101T000000Z",
       {"2025-06-13T20:00:00Z", "2026-02-13T20:00:00Z", "2026-03-13T20:00:00Z"}},
      {"monthly on the third-last day, twice",
       "DTSTART:20050101T070000Z\nRRULE:FREQ=MONTHLY;BYMONTHDAY=-3;BYHOUR=7,19",
       "20260225T000000Z",
       "20260330T000000Z",
       {"2026-02-26T07:00:00Z", "2026-02-26T19:00:00Z", "2026-03-29T07:00:00Z",
        "2026-03-29T19:00:00Z"}},
      {"weekly every other week on Tuesday and Sunday, weeks from Sunday",
       "DTSTART:19970805T090000Z\nRRULE:FREQ=WEEKLY;INTERVAL=2;BYDAY=TU,SU;WKST=SU",
       "20260301T000000Z",
       "20260401T000000Z",
       {"2026-03-08T09:00:00Z", "2026-03-10T09:00:00Z", "2026-03-22T09:00:00Z",
        "2026-03-24T09:00:00Z"}},
      {"weekly on two days, counted",
       "DTSTART:20250106T083000Z\nRRULE:FREQ=WEEKLY;BYDAY=MO,TH;COUNT=125",
       "20260309T000000Z",
       "20260323T000000Z",
       {"2026-03-09T08:30:00Z", "2026-03-12T08:30:00Z", "2026-03-16T08:30:00Z"}},
      {"daily every third day, until",
       "DTSTART:19991231T220000Z\nRRULE:FREQ=DAILY;INTERVAL=3;UNTIL=20260310T220000Z",
       "20260301T000000Z",
       "20260320T000000Z",
       {"2026-03-02T22:00:00Z", "2026-03-05T22:00:00Z", "2026-03-08T22:00:00Z"}},
      {"daily hours written out of order, second of them",
       "DTSTART:20100301T000000Z\nRRULE:FREQ=DAILY;BYHOUR=17,9,13;BYMINUTE=45;BYSETPOS=2,-1",
       "20260310T000000Z",
       "20260312T000000Z",
       {"2026-03-10T13:45:00Z", "2026-03-10T17:45:00Z", "2026-03-11T13:45:00Z",
        "2026-03-11T17:45:00Z"}},
      {"daily third day from the end of the month",
       "DTSTART:20100301T063000Z\nRRULE:FREQ=DAILY;BYMONTHDAY=-3",
       "20260201T000000Z",
       "20260501T000000Z",
       {"2026-02-26T06:30:00Z", "2026-03-29T06:30:00Z", "2026-04-28T06:30:00Z"}},
      {"hourly every fifth hour from the day before yesterday",
       "DTSTART:20260308T230000Z\nRRULE:FREQ=HOURLY;INTERVAL=5",
       "20260309T230000Z",
       "20260310T230000Z",
       {"2026-03-10T00:00:00Z", "2026-03-10T05:00:00Z", "2026-03-10T10:00:00Z",
        "2026-03-10T15:00:00Z", "2026-03-10T20:00:00Z"}},
      {"hourly every tenth hour",
       "DTSTART:20260307T000000Z\nRRULE:FREQ=HOURLY;INTERVAL=10",
       "20260309T230000Z",
       "20260310T230000Z",
       {"2026-03-10T08:00:00Z", "2026-03-10T18:00:00Z"}},
      {"hourly office hours on weekdays at quarter past and to",
       "DTSTART:20150105T080000Z\nRRULE:FREQ=HOURLY;INTERVAL=3;BYHOUR=8,9,10,11,12,13,14,15,16;"
       "BYDAY=MO,TU,WE,TH,FR;BYMINUTE=15,45",
       "20260313T000000Z",
       "20260317T000000Z",
       {"2026-03-13T08:15:00Z", "2026-03-13T08:45:00Z", "2026-03-13T11:15:00Z",
        "2026-03-13T11:45:00Z", "2026-03-13T14:15:00Z", "2026-03-13T14:45:00Z",
        "2026-03-16T08:15:00Z", "2026-03-16T08:45:00Z", "2026-03-16T11:15:00Z",
        "2026-03-16T11:45:00Z", "2026-03-16T14:15:00Z", "2026-03-16T14:45:00Z"}},
      {"hourly until a moment between occurrences",
       "DTSTART:20200101T000000Z\nRRULE:FREQ=HOURLY;INTERVAL=7;UNTIL=20260310T120000Z",
       "20260310T000000Z",
       "20260311T000000Z",
       {"2026-03-10T03:00:00Z", "2026-03-10T10:00:00Z"}},
      {"minutely every 13 minutes in the nine o'clock hour, two seconds each",
       "DTSTART:19990101T000000Z\nRRULE:FREQ=MINUTELY;INTERVAL=13;BYHOUR=9;BYSECOND=0,30",
       "20260310T000000Z",
       "20260311T000000Z",
       {"2026-03-10T09:00:00Z", "2026-03-10T09:00:30Z", "2026-03-10T09:13:00Z",
        "2026-03-10T09:13:30Z", "2026-03-10T09:26:00Z", "2026-03-10T09:26:30Z",
        "2026-03-10T09:39:00Z", "2026-03-10T09:39:30Z", "2026-03-10T09:52:00Z",
        "2026-03-10T09:52:30Z"}},
      {"minutely every 45 minutes at six and seven, the last of its seconds",
       "DTSTART:20200101T000010Z\nRRULE:FREQ=MINUTELY;INTERVAL=45;BYSECOND=5,50,20;BYSETPOS=-1;"
       "BYHOUR=6,7",
       "20260310T000000Z",
       "20260311T000000Z",
       {"2026-03-10T06:00:50Z", "2026-03-10T06:45:50Z", "2026-03-10T07:30:50Z"}},
      {"secondly on the hour, every 7 seconds",
       "DTSTART:20260101T000000Z\nRRULE:FREQ=SECONDLY;INTERVAL=7;BYMINUTE=0;BYSECOND=0,1,2,3,4,5,6",
       "20260310T000000Z",
       "20260310T060000Z",
       {"2026-03-10T00:00:05Z", "2026-03-10T01:00:03Z", "2026-03-10T02:00:01Z",
        "2026-03-10T03:00:06Z", "2026-03-10T04:00:04Z", "2026-03-10T05:00:02Z"}},
      {"secondly on leap days only",
       "DTSTART:20200101T000000Z\nRRULE:FREQ=SECONDLY;INTERVAL=7200;BYMONTH=2;BYMONTHDAY=29",
       "20280228T000000Z",
       "20280302T000000Z",
       {"2028-02-29T00:00:00Z", "2028-02-29T02:00:00Z", "2028-02-29T04:00:00Z",
        "2028-02-29T06:00:00Z", "2028-02-29T08:00:00Z", "2028-02-29T10:00:00Z",
        "2028-02-29T12:00:00Z", "2028-02-29T14:00:00Z", "2028-02-29T16:00:00Z",
        "2028-02-29T18:00:00Z", "2028-02-29T20:00:00Z", "2028-02-29T22:00:00Z"}},
      {"secondly counted without BY-parts, still running",
       "DTSTART:20200101T000000Z\nRRULE:FREQ=SECONDLY;INTERVAL=3600;COUNT=55000",
       "20260310T000000Z",
       "20260311T000000Z",
       {"2026-03-10T00:00:00Z", "2026-03-10T01:00:00Z", "2026-03-10T02:00:00Z",
        "2026-03-10T03:00:00Z", "2026-03-10T04:00:00Z", "2026-03-10T05:00:00Z",
        "2026-03-10T06:00:00Z", "2026-03-10T07:00:00Z", "2026-03-10T08:00:00Z",
        "2026-03-10T09:00:00Z", "2026-03-10T10:00:00Z", "2026-03-10T11:00:00Z",
        "2026-03-10T12:00:00Z", "2026-03-10T13:00:00Z", "2026-03-10T14:00:00Z",
        "2026-03-10T15:00:00Z", "2026-03-10T16:00:00Z", "2026-03-10T17:00:00Z",
        "2026-03-10T18:00:00Z", "2026-03-10T19:00:00Z", "2026-03-10T20:00:00Z",
        "2026-03-10T21:00:00Z", "2026-03-10T22:00:00Z", "2026-03-10T23:00:00Z"}},
      {"daily counted, ends today",
       "DTSTART:20250101T120000Z\nRRULE:FREQ=DAILY;INTERVAL=2;COUNT=217",
       "20260309T000000Z",
       "20260312T000000Z",
       {"2026-03-09T12:00:00Z"}},
      {"daily in New York across the change to summer time",
       "DTSTART;TZID=America/New_York:20000101T090000\nRRULE:FREQ=DAILY;BYHOUR=9,21",
       "20260307T000000Z",
       "20260310T000000Z",
       {"2026-03-07T02:00:00Z", "2026-03-07T14:00:00Z", "2026-03-08T02:00:00Z",
        "2026-03-08T13:00:00Z", "2026-03-09T01:00:00Z", "2026-03-09T13:00:00Z"}},
      {"hourly in Oslo across the change to winter time",
       "DTSTART;TZID=Europe/Oslo:20251001T003000\nRRULE:FREQ=HOURLY;INTERVAL=2",
       "20261024T210000Z",
       "20261025T060000Z",
       {"2026-10-24T22:30:00Z", "2026-10-25T00:30:00Z", "2026-10-25T03:30:00Z",
        "2026-10-25T05:30:00Z"}},
      {"weekly with an excluded and an added date",
       "DTSTART:20000103T100000Z\nRRULE:FREQ=WEEKLY;INTERVAL=3\nEXDATE:20260323T100000Z\nRDATE:"
       "20260317T110000Z",
       "20260301T000000Z",
       "20260501T000000Z",
       {"2026-03-02T10:00:00Z", "2026-03-17T11:00:00Z", "2026-04-13T10:00:00Z"}},
  };
  expectStarts(cases);
}

// Where the reference library reads a rule otherwise than the format does, worked out by hand.
TEST(Recurrence, CasesWorkedOutFromTheFormat) {
  const SeriesCase cases[] = {
      // Tuesdays 3, 10, 17, 24 and 31 March 2026, and the last Friday, the 27th.
      {"plain and numbered days in one BYDAY each count",
       "DTSTART:20250107T100000Z\nRRULE:FREQ=MONTHLY;BYDAY=TU,-1FR",
       "20260301T000000Z",
       "20260401T000000Z",
       {"2026-03-03T10:00:00Z", "2026-03-10T10:00:00Z", "2026-03-17T10:00:00Z",
        "2026-03-24T10:00:00Z", "2026-03-27T10:00:00Z", "2026-03-31T10:00:00Z"}},
      // A Wednesday start, Mondays after it: the start is the first of three.
      {"DTSTART counts first even out of step with the rule",
       "DTSTART:20260304T090000Z\nRRULE:FREQ=WEEKLY;BYDAY=MO;COUNT=3",
       "20260301T000000Z",
       "20260401T000000Z",
       {"2026-03-04T09:00:00Z", "2026-03-09T09:00:00Z", "2026-03-16T09:00:00Z"}},
      // 02:30 does not exist on 11 March 2007 in New York: it is read at UTC-5, 03:30 EDT.
      {"a time the clock skips takes the offset before the change",
       "DTSTART;TZID=America/New_York:20070301T023000\nRRULE:FREQ=DAILY",
       "20070310T000000Z",
       "20070313T000000Z",
       {"2007-03-10T07:30:00Z", "2007-03-11T07:30:00Z", "2007-03-12T06:30:00Z"}},
      // 01:30 happens twice on 4 November 2007 in New York: the first, EDT, is meant.
      {"a time the clock shows twice is the first",
       "DTSTART;TZID=America/New_York:20071101T013000\nRRULE:FREQ=DAILY",
       "20071103T000000Z",
       "20071106T000000Z",
       {"2007-11-03T05:30:00Z", "2007-11-04T05:30:00Z", "2007-11-05T06:30:00Z"}},
      // Oslo's midnight, 23:00 UTC in winter.
      {"an all-day series on a leap day",
       "DTSTART;VALUE=DATE:20200229\nRRULE:FREQ=YEARLY",
       "20280201T000000Z",
       "20280401T000000Z",
       {"2028-02-28T23:00:00Z"}},
      // 2026-03-01 is 2191 days, 313 weeks, after the start: not one of its weeks.
      {"a floating series in the reader's zone",
       "DTSTART:20200301T090000\nRRULE:FREQ=WEEKLY;INTERVAL=2",
       "20260301T000000Z",
       "20260315T000000Z",
       {"2026-03-08T08:00:00Z"}},
      // Days and hours before 1970 count back from it: a series begun then keeps its rhythm.
      // 2026-03-11 is 20,524 days after 1969-12-31; 2026-03-15 is 2,984 weeks after Sunday
      // 1969-01-05, the Sunday before it 2,983; 01:30 on 2026-03-10 is 492,530 hours after
      // 23:30 on 1969-12-31.
      {"every other day since 1969",
       "DTSTART:19691231T090000Z\nRRULE:FREQ=DAILY;INTERVAL=2",
       "20260310T000000Z",
       "20260312T000000Z",
       {"2026-03-11T09:00:00Z"}},
      {"every other Sunday since 1969",
       "DTSTART;TZID=Europe/Oslo:19690105T090000\nRRULE:FREQ=WEEKLY;INTERVAL=2",
       "20260302T000000Z",
       "20260316T000000Z",
       {"2026-03-15T08:00:00Z"}},
      {"every five hours since half an hour before 1970",
       "DTSTART:19691231T233000Z\nRRULE:FREQ=HOURLY;INTERVAL=5",
       "20260310T000000Z",
       "20260310T060000Z",
       {"2026-03-10T01:30:00Z"}},
      {"no second 60 on our clocks",
       "DTSTART:20200101T000000Z\nRRULE:FREQ=SECONDLY;BYSECOND=60",
       "20260301T000000Z",
       "20260302T000000Z",
       {}},
      {"another calendar's scale",
       "DTSTART:20200101T000000Z\nRRULE:RSCALE=HEBREW;FREQ=DAILY",
       "20260301T000000Z",
       "20260302T000000Z",
       {}},
      {"an UNTIL on an occurrence keeps it",
       "DTSTART:20260301T090000Z\nRRULE:FREQ=DAILY;UNTIL=20260303T090000Z",
       "20260301T000000Z",
       "20260310T000000Z",
       {"2026-03-01T09:00:00Z", "2026-03-02T09:00:00Z", "2026-03-03T09:00:00Z"}},
      {"a floating UNTIL on an occurrence keeps it",
       "DTSTART:20260301T090000\nRRULE:FREQ=DAILY;UNTIL=20260303T090000",
       "20260301T000000Z",
       "20260310T000000Z",
       {"2026-03-01T08:00:00Z", "2026-03-02T08:00:00Z", "2026-03-03T08:00:00Z"}},
      // 2026 starts on a Thursday, so its week 1 starts on Monday 29 December 2025.
      {"week 1 on Mondays, weeks from Monday",
       "DTSTART:20240101T100000Z\nRRULE:FREQ=YEARLY;BYWEEKNO=1;BYDAY=MO",
       "20251201T000000Z",
       "20260201T000000Z",
       {"2025-12-29T10:00:00Z"}},
      // 2026 has 53 weeks, so its week -53 is its week 1; 2025 and 2027 have 52 and none.
      {"week -53 is the first week of a 53-week year, begun in the year before",
       "DTSTART:20150105T100000Z\nRRULE:FREQ=YEARLY;BYWEEKNO=-53;BYDAY=MO",
       "20251201T000000Z",
       "20270201T000000Z",
       {"2025-12-29T10:00:00Z"}},
      // BYSETPOS picks from the whole week, Monday 2 March included, though the series starts
      // on Wednesday the 4th: the second of the week is that Wednesday, not Friday the 6th.
      {"BYSETPOS counts the whole first week, not what is left of it",
       "DTSTART:20260304T090000Z\nRRULE:FREQ=WEEKLY;BYDAY=MO,WE,FR;BYSETPOS=2",
       "20260301T000000Z",
       "20260315T000000Z",
       {"2026-03-04T09:00:00Z", "2026-03-11T09:00:00Z"}},
  };
  expectStarts(cases);
}

TEST(Recurrence, CountedSeriesShowWhileTheyRunAndEndAtTheirCount) {
  // 10^9 seconds from 2020 last into 2051.
  auto seconds = seriesStarts("DTSTART:20200101T000000Z\nRRULE:FREQ=SECONDLY;COUNT=1000000000",
                              "20261207T000000Z", "20261208T000000Z", "UTC");
  ASSERT_EQ(seconds.size(), 86400u);
  EXPECT_EQ(seconds.front(), "2026-12-07T00:00:00Z");
  EXPECT_EQ(seconds.back(), "2026-12-07T23:59:59Z");
  // Mondays from 2020-01-06: 2026-03-09 is 2254 days, 322 weeks, later, so the 323rd.
  for (auto [count, expected] :
       {std::pair{"323", Starts{"2026-03-02T08:00:00Z", "2026-03-09T08:00:00Z"}},
        std::pair{"322", Starts{"2026-03-02T08:00:00Z"}}})
    EXPECT_EQ(
        seriesStarts(std::string("DTSTART:20200106T080000Z\nRRULE:FREQ=WEEKLY;COUNT=") + count,
                     "20260302T000000Z", "20260317T000000Z"),
        expected)
        << count;
}

// Each of these would have the calendar library step through every second, minute or hour to
// the end of its calendar. The read must show the ordinary event and end long before the
// child is stopped.
TEST(Recurrence, RulesThatNeverMatchLeaveTheReadQuick) {
  std::string events =
      event("ordinary", "DTSTART:20261207T090000Z\nDTEND:20261207T100000Z") +
      event("seconds", "DTSTART:20200101T000000Z\nRRULE:FREQ=SECONDLY;BYMONTH=2;"
                       "BYMONTHDAY=30") +
      event("minutes", "DTSTART:20200101T000000Z\nRRULE:FREQ=MINUTELY;BYYEARDAY=366;"
                       "BYMONTH=1") +
      event("hours", "DTSTART:20200101T000000Z\nRRULE:FREQ=HOURLY;BYMONTH=2;"
                     "BYMONTHDAY=30") +
      event("counted", "DTSTART:20000101T000000Z\nRRULE:FREQ=SECONDLY;BYMONTH=2;"
                       "BYMONTHDAY=30;COUNT=5");
  EXPECT_TRUE(zavel::test::finishesWithin(std::chrono::seconds(5), [&] {
    return idsOf(eventsIn(events, utc(2026, 12, 6, 23), utc(2026, 12, 7, 23))) ==
           std::vector<std::string>{"c/ordinary"};
  }));
}

// An every-second series fills a day within the bound but not three days; a counted one with
// BY-parts is followed from its start, six years of mornings here. Both are left out of such a
// reading while the file's other event still shows.
TEST(Recurrence, ARuleBeyondTheBoundIsLeftOutOfThatReading) {
  std::string events = event("ordinary", "DTSTART:20261207T090000Z\nDTEND:20261207T100000Z") +
                       event("seconds", "DTSTART:20200101T000000Z\nRRULE:FREQ=SECONDLY") +
                       event("mornings", "DTSTART:20200101T000000Z\nRRULE:FREQ=SECONDLY;BYHOUR=9;"
                                         "COUNT=1000000000");
  EXPECT_EQ(eventsIn(events, utc(2026, 12, 7), utc(2026, 12, 8), "UTC").size(), 1u + 86400u);
  EXPECT_EQ(idsOf(eventsIn(events, utc(2026, 12, 6), utc(2026, 12, 9), "UTC")),
            std::vector<std::string>{"c/ordinary"});
}

// A moment the recurrence set gives twice is one occurrence, as its first giver has it: DTSTART
// and the rule come before RDATE, so a period written at one of their starts does not lengthen
// it, while one at a moment of its own lasts its own span.
TEST(Recurrence, AMomentGivenTwiceIsOneOccurrenceAsFirstGiven) {
  auto events =
      eventsIn(event("series", "DTSTART:20260301T090000Z\nDURATION:PT1H\n"
                               "RRULE:FREQ=DAILY;COUNT=2\nRDATE;VALUE=PERIOD:20260301T090000Z/PT3H,"
                               "20260302T090000Z/PT3H,20260303T090000Z/PT3H"),
               utc(2026, 3, 1), utc(2026, 3, 4), "UTC");
  std::vector<std::string> spans;
  for (const auto &occurrence : events)
    spans.push_back(kit::foundation::iso8601String(occurrence.start) + " to " +
                    kit::foundation::iso8601String(occurrence.end));
  EXPECT_EQ(spans, (std::vector<std::string>{"2026-03-01T09:00:00Z to 2026-03-01T10:00:00Z",
                                             "2026-03-02T09:00:00Z to 2026-03-02T10:00:00Z",
                                             "2026-03-03T09:00:00Z to 2026-03-03T12:00:00Z"}));
}
