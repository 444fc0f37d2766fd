#include "kit/events/RuleExpansion.h"
#include "kit/events/RecurrenceRule.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

using namespace kit::events;

namespace {

using Starts = std::vector<std::string>;

WallSeconds fieldsAsWall(int year, int month, int day, int hour, int minute, int second) {
  return kit::foundation::dayNumberOf({year, month, day}) * 86400 + hour * 3600 + minute * 60 +
         second;
}

// "19970902T090000" as a reading of the wall clock.
WallSeconds wall(std::string_view basic) {
  auto field = [&](std::size_t at, std::size_t length) {
    return std::stoi(std::string(basic.substr(at, length)));
  };
  return fieldsAsWall(field(0, 4), field(4, 2), field(6, 2), field(9, 2), field(11, 2),
                      field(13, 2));
}

std::string basicText(WallSeconds wall) {
  std::int64_t day = kit::foundation::floorDiv(wall, 86400);
  auto date = kit::foundation::civilDateOf(day);
  std::int64_t time = wall - day * 86400;
  return fmt::format("{:04}{:02}{:02}T{:02}{:02}{:02}", date.year, date.month, date.day,
                     time / 3600, time / 60 % 60, time % 60);
}

// The starts an RRULE gives from `dtstart` over [from, to], both ends included, everything on
// one wall clock: an UNTIL is read on it too. "none" when the rule cannot be expanded.
Starts ruleStarts(std::string_view dtstart, const std::string &rrule, std::string_view from,
                  std::string_view to, std::int64_t *steps = nullptr) {
  IcalRule parsed = icalRuleOf(rrule);
  auto rule = recurrenceRuleOf(parsed.rule, wall(dtstart), false);
  if (!rule)
    return {"none"};
  std::function<bool(WallSeconds)> pastUntil;
  if (const icaltimetype &until = parsed.rule.until; !icaltime_is_null_time(until)) {
    WallSeconds last =
        fieldsAsWall(until.year, until.month, until.day, until.hour, until.minute, until.second);
    pastUntil = [last](WallSeconds start) { return start > last; };
  }
  auto walls = expandRule(*rule, wall(dtstart), wall(from), wall(to), pastUntil, {}, steps);
  if (!walls)
    return {"too much work"};
  Starts starts;
  for (WallSeconds start : *walls)
    starts.push_back(basicText(start));
  return starts;
}

// The days, "19970902", each at `time`, "090000".
Starts at(const char *time, std::initializer_list<const char *> days) {
  Starts starts;
  for (const char *day : days)
    starts.push_back(std::string(day) + "T" + time);
  return starts;
}

struct RuleCase {
  const char *name;
  const char *dtstart;
  const char *rrule;
  const char *from;
  const char *to;
  Starts expected;
};

} // namespace

// The examples of RFC 5545 §3.8.5.3, on the wall clock of their DTSTART (America/New_York
// there), with the occurrences the RFC lists for them.
TEST(RuleExpansion, TheStandardsExamplesGiveTheOccurrencesItLists) {
  const char *nine = "090000";
  const RuleCase cases[] = {
      {"daily for 10 occurrences", "19970902T090000", "FREQ=DAILY;COUNT=10", "19970901T000000",
       "19980101T000000",
       at(nine, {"19970902", "19970903", "19970904", "19970905", "19970906", "19970907", "19970908",
                 "19970909", "19970910", "19970911"})},
      {"every other day, forever", "19970902T090000", "FREQ=DAILY;INTERVAL=2", "19970901T000000",
       "19970911T000000", at(nine, {"19970902", "19970904", "19970906", "19970908", "19970910"})},
      {"every 10 days, 5 occurrences", "19970902T090000", "FREQ=DAILY;INTERVAL=10;COUNT=5",
       "19970901T000000", "19980101T000000",
       at(nine, {"19970902", "19970912", "19970922", "19971002", "19971012"})},
      {"weekly for 10 occurrences", "19970902T090000", "FREQ=WEEKLY;COUNT=10", "19970901T000000",
       "19980101T000000",
       at(nine, {"19970902", "19970909", "19970916", "19970923", "19970930", "19971007", "19971014",
                 "19971021", "19971028", "19971104"})},
      {"every other week on Monday, Wednesday and Friday until December 24, 1997",
       "19970901T090000", "FREQ=WEEKLY;INTERVAL=2;UNTIL=19971224T000000Z;WKST=SU;BYDAY=MO,WE,FR",
       "19970901T000000", "19980101T000000",
       at(nine, {"19970901", "19970903", "19970905", "19970915", "19970917", "19970919", "19970929",
                 "19971001", "19971003", "19971013", "19971015", "19971017", "19971027", "19971029",
                 "19971031", "19971110", "19971112", "19971114", "19971124", "19971126", "19971128",
                 "19971208", "19971210", "19971212", "19971222"})},
      {"weekly on Tuesday and Thursday for five weeks", "19970902T090000",
       "FREQ=WEEKLY;COUNT=10;WKST=SU;BYDAY=TU,TH", "19970901T000000", "19980101T000000",
       at(nine, {"19970902", "19970904", "19970909", "19970911", "19970916", "19970918", "19970923",
                 "19970925", "19970930", "19971002"})},
      {"every other week on Tuesday and Thursday, for 8 occurrences", "19970902T090000",
       "FREQ=WEEKLY;INTERVAL=2;COUNT=8;WKST=SU;BYDAY=TU,TH", "19970901T000000", "19980101T000000",
       at(nine, {"19970902", "19970904", "19970916", "19970918", "19970930", "19971002", "19971014",
                 "19971016"})},
      {"monthly on the first Friday for 10 occurrences", "19970905T090000",
       "FREQ=MONTHLY;COUNT=10;BYDAY=1FR", "19970901T000000", "19990101T000000",
       at(nine, {"19970905", "19971003", "19971107", "19971205", "19980102", "19980206", "19980306",
                 "19980403", "19980501", "19980605"})},
      {"every other month on the first and last Sunday for 10 occurrences", "19970907T090000",
       "FREQ=MONTHLY;INTERVAL=2;COUNT=10;BYDAY=1SU,-1SU", "19970901T000000", "19990101T000000",
       at(nine, {"19970907", "19970928", "19971102", "19971130", "19980104", "19980125", "19980301",
                 "19980329", "19980503", "19980531"})},
      {"monthly on the second-to-last Monday for 6 months", "19970922T090000",
       "FREQ=MONTHLY;COUNT=6;BYDAY=-2MO", "19970901T000000", "19990101T000000",
       at(nine, {"19970922", "19971020", "19971117", "19971222", "19980119", "19980216"})},
      {"monthly on the third-to-the-last day, forever", "19970928T090000",
       "FREQ=MONTHLY;BYMONTHDAY=-3", "19970901T000000", "19980301T000000",
       at(nine, {"19970928", "19971029", "19971128", "19971229", "19980129", "19980226"})},
      {"monthly on the 2nd and 15th for 10 occurrences", "19970902T090000",
       "FREQ=MONTHLY;COUNT=10;BYMONTHDAY=2,15", "19970901T000000", "19990101T000000",
       at(nine, {"19970902", "19970915", "19971002", "19971015", "19971102", "19971115", "19971202",
                 "19971215", "19980102", "19980115"})},
      {"monthly on the first and last day for 10 occurrences", "19970930T090000",
       "FREQ=MONTHLY;COUNT=10;BYMONTHDAY=1,-1", "19970901T000000", "19990101T000000",
       at(nine, {"19970930", "19971001", "19971031", "19971101", "19971130", "19971201", "19971231",
                 "19980101", "19980131", "19980201"})},
      {"every 18 months on the 10th through 15th for 10 occurrences", "19970910T090000",
       "FREQ=MONTHLY;INTERVAL=18;COUNT=10;BYMONTHDAY=10,11,12,13,14,15", "19970901T000000",
       "20010101T000000",
       at(nine, {"19970910", "19970911", "19970912", "19970913", "19970914", "19970915", "19990310",
                 "19990311", "19990312", "19990313"})},
      {"every Tuesday, every other month", "19970902T090000", "FREQ=MONTHLY;INTERVAL=2;BYDAY=TU",
       "19970901T000000", "19980401T000000",
       at(nine, {"19970902", "19970909", "19970916", "19970923", "19970930", "19971104", "19971111",
                 "19971118", "19971125", "19980106", "19980113", "19980120", "19980127", "19980303",
                 "19980310", "19980317", "19980324", "19980331"})},
      {"yearly in June and July for 10 occurrences", "19970610T090000",
       "FREQ=YEARLY;COUNT=10;BYMONTH=6,7", "19970101T000000", "20030101T000000",
       at(nine, {"19970610", "19970710", "19980610", "19980710", "19990610", "19990710", "20000610",
                 "20000710", "20010610", "20010710"})},
      {"every other year on January, February and March for 10 occurrences", "19970310T090000",
       "FREQ=YEARLY;INTERVAL=2;COUNT=10;BYMONTH=1,2,3", "19970101T000000", "20050101T000000",
       at(nine, {"19970310", "19990110", "19990210", "19990310", "20010110", "20010210", "20010310",
                 "20030110", "20030210", "20030310"})},
      {"every third year on the 1st, 100th and 200th day for 10 occurrences", "19970101T090000",
       "FREQ=YEARLY;INTERVAL=3;COUNT=10;BYYEARDAY=1,100,200", "19970101T000000", "20100101T000000",
       at(nine, {"19970101", "19970410", "19970719", "20000101", "20000409", "20000718", "20030101",
                 "20030410", "20030719", "20060101"})},
      {"every 20th Monday of the year, forever", "19970519T090000", "FREQ=YEARLY;BYDAY=20MO",
       "19970101T000000", "19991231T000000", at(nine, {"19970519", "19980518", "19990517"})},
      {"Monday of week number 20, forever", "19970512T090000", "FREQ=YEARLY;BYWEEKNO=20;BYDAY=MO",
       "19970101T000000", "19991231T000000", at(nine, {"19970512", "19980511", "19990517"})},
      {"every Thursday in March, forever", "19970313T090000", "FREQ=YEARLY;BYMONTH=3;BYDAY=TH",
       "19970101T000000", "19991231T000000",
       at(nine, {"19970313", "19970320", "19970327", "19980305", "19980312", "19980319", "19980326",
                 "19990304", "19990311", "19990318", "19990325"})},
      {"every Thursday, but only during June, July and August", "19970605T090000",
       "FREQ=YEARLY;BYDAY=TH;BYMONTH=6,7,8", "19970101T000000", "19971231T000000",
       at(nine, {"19970605", "19970612", "19970619", "19970626", "19970703", "19970710", "19970717",
                 "19970724", "19970731", "19970807", "19970814", "19970821", "19970828"})},
      {"every Friday the 13th, forever", "19970902T090000", "FREQ=MONTHLY;BYDAY=FR;BYMONTHDAY=13",
       "19970901T000000", "20001231T000000",
       at(nine, {"19980213", "19980313", "19981113", "19990813", "20001013"})},
      {"the first Saturday that follows the first Sunday of the month, forever", "19970913T090000",
       "FREQ=MONTHLY;BYDAY=SA;BYMONTHDAY=7,8,9,10,11,12,13", "19970901T000000", "19980630T000000",
       at(nine, {"19970913", "19971011", "19971108", "19971213", "19980110", "19980207", "19980307",
                 "19980411", "19980509", "19980613"})},
      {"every 4 years, the first Tuesday after a Monday in November, forever", "19961105T090000",
       "FREQ=YEARLY;INTERVAL=4;BYMONTH=11;BYDAY=TU;BYMONTHDAY=2,3,4,5,6,7,8", "19960101T000000",
       "20041231T000000", at(nine, {"19961105", "20001107", "20041102"})},
      {"the third instance of a Tuesday, Wednesday or Thursday, for the next 3 months",
       "19970904T090000", "FREQ=MONTHLY;COUNT=3;BYDAY=TU,WE,TH;BYSETPOS=3", "19970901T000000",
       "19980101T000000", at(nine, {"19970904", "19971007", "19971106"})},
      {"the second-to-last weekday of the month", "19970929T090000",
       "FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-2", "19970901T000000", "19980331T000000",
       at(nine,
          {"19970929", "19971030", "19971127", "19971230", "19980129", "19980226", "19980330"})},
      {"every 15 minutes for 6 occurrences",
       "19970902T090000",
       "FREQ=MINUTELY;INTERVAL=15;COUNT=6",
       "19970902T000000",
       "19970903T000000",
       {"19970902T090000", "19970902T091500", "19970902T093000", "19970902T094500",
        "19970902T100000", "19970902T101500"}},
      {"every hour and a half for 4 occurrences",
       "19970902T090000",
       "FREQ=MINUTELY;INTERVAL=90;COUNT=4",
       "19970902T000000",
       "19970903T000000",
       {"19970902T090000", "19970902T103000", "19970902T120000", "19970902T133000"}},
      {"every Sunday in January at 8:30 and 9:30, every other year",
       "19970105T083000",
       "FREQ=YEARLY;INTERVAL=2;BYMONTH=1;BYDAY=SU;BYHOUR=8,9;BYMINUTE=30",
       "19970101T000000",
       "19970131T000000",
       {"19970105T083000", "19970105T093000", "19970112T083000", "19970112T093000",
        "19970119T083000", "19970119T093000", "19970126T083000", "19970126T093000"}},
      {"weeks from Monday", "19970805T090000", "FREQ=WEEKLY;INTERVAL=2;COUNT=4;BYDAY=TU,SU;WKST=MO",
       "19970801T000000", "19971231T000000",
       at(nine, {"19970805", "19970810", "19970819", "19970824"})},
      {"weeks from Sunday", "19970805T090000", "FREQ=WEEKLY;INTERVAL=2;COUNT=4;BYDAY=TU,SU;WKST=SU",
       "19970801T000000", "19971231T000000",
       at(nine, {"19970805", "19970817", "19970819", "19970831"})},
      {"a day the month lacks is left out, not moved", "20070115T090000",
       "FREQ=MONTHLY;BYMONTHDAY=15,30;COUNT=5", "20070101T000000", "20071231T000000",
       at(nine, {"20070115", "20070130", "20070215", "20070315", "20070330"})},
  };
  for (const auto &c : cases)
    EXPECT_EQ(ruleStarts(c.dtstart, c.rrule, c.from, c.to), c.expected) << c.name;
}

// The RFC's longer lists, by their size and ends.
TEST(RuleExpansion, TheStandardsLongerExamplesHaveTheirSizeAndEnds) {
  struct LongCase {
    const char *name;
    const char *dtstart;
    const char *rrule;
    const char *from;
    const char *to;
    std::size_t size;
    const char *first;
    const char *last;
  };
  const LongCase cases[] = {
      // September 2 to December 23: 29 + 31 + 30 + 23 days.
      {"daily until December 24, 1997", "19970902T090000", "FREQ=DAILY;UNTIL=19971224T000000Z",
       "19970901T000000", "19980101T000000", 113, "19970902T090000", "19971223T090000"},
      // Every day of January 1998, 1999 and 2000.
      {"every day in January, for 3 years, yearly", "19980101T090000",
       "FREQ=YEARLY;UNTIL=20000131T140000Z;BYMONTH=1;BYDAY=SU,MO,TU,WE,TH,FR,SA", "19980101T000000",
       "20010101T000000", 93, "19980101T090000", "20000131T090000"},
      {"every day in January, for 3 years, daily", "19980101T090000",
       "FREQ=DAILY;UNTIL=20000131T140000Z;BYMONTH=1", "19980101T000000", "20010101T000000", 93,
       "19980101T090000", "20000131T090000"},
      // 9:00 to 16:40 is 8 hours of 3 each, on each of two days.
      {"every 20 minutes from 9:00 to 16:40 every day, daily", "19970902T090000",
       "FREQ=DAILY;BYHOUR=9,10,11,12,13,14,15,16;BYMINUTE=0,20,40", "19970902T000000",
       "19970903T235959", 48, "19970902T090000", "19970903T164000"},
      {"every 20 minutes from 9:00 to 16:40 every day, minutely", "19970902T090000",
       "FREQ=MINUTELY;INTERVAL=20;BYHOUR=9,10,11,12,13,14,15,16", "19970902T000000",
       "19970903T235959", 48, "19970902T090000", "19970903T164000"},
  };
  for (const auto &c : cases) {
    auto starts = ruleStarts(c.dtstart, c.rrule, c.from, c.to);
    ASSERT_EQ(starts.size(), c.size) << c.name;
    EXPECT_EQ(starts.front(), c.first) << c.name;
    EXPECT_EQ(starts.back(), c.last) << c.name;
  }
}

// Only a counted series whose periods may hold other than one start is walked from DTSTART;
// every other starts near the window, so a century between the two costs nothing. A daily
// period looked at costs about three steps.
TEST(RuleExpansion, SeriesThatNeedNotBeCountedFromTheirStartBeginNearTheWindow) {
  const char *rules[] = {
      "FREQ=DAILY",
      "FREQ=DAILY;COUNT=100000",
      "FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR",
      "FREQ=MONTHLY;BYMONTHDAY=1,10",
      "FREQ=YEARLY;BYMONTH=3;BYMONTHDAY=10",
      "FREQ=HOURLY;INTERVAL=7",
      "FREQ=MINUTELY;INTERVAL=45;COUNT=100000000",
  };
  for (const char *rule : rules) {
    std::int64_t steps = 0;
    auto starts = ruleStarts("19000101T000000", rule, "20260310T000000", "20260310T235959", &steps);
    EXPECT_FALSE(starts.empty()) << rule;
    EXPECT_LT(steps, 200) << rule;
  }
  // A counted monthly series may skip months, so its count is followed from DTSTART: seven
  // months a year have a 31st, so 31 March 2026 is the 44th start from 31 January 2020.
  for (auto [count, expected] : {std::pair{"44", Starts{"20260331T090000"}}, {"43", Starts{}}})
    EXPECT_EQ(ruleStarts("20200131T090000", std::string("FREQ=MONTHLY;COUNT=") + count,
                         "20260301T000000", "20260331T235959"),
              expected)
        << count;
}

// Rules that can never give a start are told at once and cost nothing to expand over years of
// seconds: BYSETPOS past the most starts a period holds, or only days their months lack. Rules
// that only just can still give theirs (DTSTART counting first).
TEST(RuleExpansion, RulesThatCanNeverGiveAStartCostNothing) {
  struct Case {
    std::string rule;
    Starts starts;
  };
  const std::vector<Case> cases{
      {"FREQ=SECONDLY;BYSETPOS=2", {}},
      {"FREQ=MINUTELY;BYSECOND=0,30;BYSETPOS=-3", {}},
      {"FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR,SA,SU;BYSETPOS=32", {}},
      {"FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30,31", {}},
      {"FREQ=MONTHLY;BYMONTH=4,6,9,11;BYMONTHDAY=-31", {}},
      {"FREQ=MINUTELY;BYSECOND=0,30;BYSETPOS=-2;COUNT=2", {"20260301T000000", "20260301T000100"}},
      {"FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR,SA,SU;BYSETPOS=31;COUNT=2", {"20260331T000000"}},
      {"FREQ=YEARLY;BYMONTH=2,3;BYMONTHDAY=30;COUNT=2", {"20260330T000000"}},
      {"FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=29;COUNT=2", {"20280229T000000"}},
  };
  for (const auto &c : cases) {
    std::int64_t steps = 0;
    EXPECT_EQ(ruleStarts("20260301T000000", c.rule, "20260301T000000", "20280310T000000", &steps),
              c.starts)
        << c.rule;
    if (c.starts.empty()) {
      EXPECT_EQ(steps, 0) << c.rule;
    }
  }
}

// The times a rule gives each period come in order, each costing a step as it is made; a day the
// rule does not take costs its step whatever its times. Every second of a day written out as
// lists is 86,400 times: two days of them fit in a rule's 200,000 steps (a step for each period,
// day and time, and one for the period past the window), three do not. A yearly rule in January
// on the 200th day of the year never gives a start: 2026 costs a step for itself, one for each
// January day and one for each month passed over, and the step that finds 2027 past the window.
TEST(RuleExpansion, TimesWithinAPeriodComeInOrderAndEachCostsAStep) {
  auto below = [](int last) {
    std::string values;
    for (int value = 0; value < last; ++value)
      values += (value ? "," : "") + std::to_string(value);
    return values;
  };
  std::string everySecond =
      ";BYHOUR=" + below(24) + ";BYMINUTE=" + below(60) + ";BYSECOND=" + below(60);
  struct Case {
    std::string rule;
    const char *from;
    const char *to;
    Starts starts;
    std::int64_t steps;
  };
  const std::vector<Case> cases{
      {"FREQ=DAILY;BYHOUR=17,9;BYMINUTE=30,0;BYSECOND=45,0",
       "20260310T000000",
       "20260310T235959",
       {"20260310T090000", "20260310T090045", "20260310T093000", "20260310T093045",
        "20260310T170000", "20260310T170045", "20260310T173000", "20260310T173045"},
       1 + 1 + 8 + 1},
      {"FREQ=HOURLY;BYMINUTE=45,15;BYSECOND=10",
       "20260310T090000",
       "20260310T105959",
       {"20260310T091510", "20260310T094510", "20260310T101510", "20260310T104510"},
       2 * (1 + 2) + 1},
      {"FREQ=YEARLY;BYMONTH=1;BYYEARDAY=200" + everySecond,
       "20260101T000000",
       "20261231T235959",
       {},
       1 + 31 + 11 + 1},
  };
  for (const auto &c : cases) {
    std::int64_t steps = 0;
    EXPECT_EQ(ruleStarts("20260101T000000", c.rule, c.from, c.to, &steps), c.starts) << c.rule;
    EXPECT_EQ(steps, c.steps) << c.rule;
  }
  std::int64_t steps = 0;
  auto twoDays = ruleStarts("20260101T000000", "FREQ=DAILY" + everySecond, "20260310T000000",
                            "20260311T235959", &steps);
  ASSERT_EQ(twoDays.size(), 2u * 86400u);
  EXPECT_EQ(twoDays.back(), "20260311T235959");
  EXPECT_EQ(steps, 2 * (1 + 1 + 86400) + 1);
  EXPECT_EQ(ruleStarts("20260101T000000", "FREQ=DAILY" + everySecond, "20260310T000000",
                       "20260312T235959"),
            Starts{"too much work"});
}
