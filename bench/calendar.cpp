// One reading of the calendars as a widget makes it, over the heaviest folders a user can have
// within the reader's caps, folders of many zones (a thousand invitations, zones listing their
// changes) and of rules that never give a start: what the agenda widgets read, what the
// reminders widgets read, a reminder press (the widget's reading, then the toggle with its
// fresh reading stored) and a tap alone. Each must stay under one second, a tap on a series with
// ten years of completed occurrences under 0.2 s; a realistic folder of a busy user is the
// everyday case.
#include "support/BenchFolder.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Data/EventSync/EventSync.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/Calendar.h"
#include "kit/foundation/CivilDate.h"

#include <benchmark/benchmark.h>
#include <fmt/format.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using zavel::EventSync::Environment;

// Tuesday 10 March 2026, 14:00 in Berlin.
constexpr const char *kToday = "20260310";

kit::foundation::Date now() {
  static const auto calendar =
      kit::foundation::Calendar::gregorian(*kit::foundation::TimeZone::named("Europe/Berlin"));
  return calendar.date(2026, 3, 10, 14, 0, 0);
}

std::string calendarText(const std::string &components) {
  return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zavel bench//EN\r\n" + components +
         "END:VCALENDAR\r\n";
}

std::string event(const std::string &uid, const std::string &lines) {
  return "BEGIN:VEVENT\r\nUID:" + uid + "\r\n" + lines + "END:VEVENT\r\n";
}

std::string todo(const std::string &uid, const std::string &lines) {
  return "BEGIN:VTODO\r\nUID:" + uid + "\r\n" + lines + "END:VTODO\r\n";
}

const std::string kBerlin =
    "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\n"
    "TZOFFSETTO:+0200\r\nTZNAME:CEST\r\nDTSTART:19700329T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\nBEGIN:STANDARD\r\n"
    "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\nDTSTART:19701025T030000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";

// Europe/Berlin's rules as mail programs write them into invitations, from 1601 (or a later
// year, which gives another definition of the same zone).
std::string rulesZone(const std::string &tzid, int since = 1601) {
  return fmt::format(
      "BEGIN:VTIMEZONE\r\nTZID:{}\r\nBEGIN:STANDARD\r\nDTSTART:{}0101T030000\r\n"
      "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10\r\n"
      "END:STANDARD\r\nBEGIN:DAYLIGHT\r\nDTSTART:{}0101T020000\r\nTZOFFSETFROM:+0100\r\n"
      "TZOFFSETTO:+0200\r\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\r\nEND:DAYLIGHT\r\n"
      "END:VTIMEZONE\r\n",
      tzid, since, since);
}

// A daily stand-up with its own zone, the first event of the day.
const std::string kStandup =
    calendarText(kBerlin + event("standup", "DTSTART;TZID=Europe/Berlin:20250106T083000\r\n"
                                            "RRULE:FREQ=DAILY\r\nSUMMARY:Stand-up\r\n"));

// An event that shows today beside whatever else a folder holds.
const std::string kLunch =
    event("lunch", fmt::format("DTSTART;TZID=Europe/Berlin:{0}T123000\r\n"
                               "DTEND;TZID=Europe/Berlin:{0}T131500\r\nSUMMARY:Lunch\r\n",
                               kToday));

using Files = std::map<std::string, std::string>; // "<calendar>/<file>" to text

Files events110k() {
  std::string components;
  for (int i = 0; i < 110000; ++i)
    components += event(std::to_string(i), "DTSTART:20200101T090000Z\r\n");
  return {{"c/big.ics", calendarText(components)}, {"c/lunch.ics", calendarText(kLunch)}};
}

// Files of 8 MiB: one event and one reminder, each with one line of nearly all of it, then with a
// million lines.
Files line8mb() {
  std::string summary = "SUMMARY:" + std::string((8 << 20) - 400, 'x') + "\r\n";
  return {{"c/line-event.ics",
           calendarText(event("line", fmt::format("DTSTART:{}T100000Z\r\n", kToday) + summary))},
          {"c/line-todo.ics",
           calendarText(todo("line-todo", fmt::format("DUE:{}T170000Z\r\n", kToday) + summary))},
          {"c/lunch.ics", calendarText(kLunch)}};
}

Files propertyLines1m() {
  std::string lines;
  for (int i = 0; i < 1000000; ++i)
    lines += "X:1\r\n";
  return {{"c/lines-event.ics",
           calendarText(event("lines", fmt::format("DTSTART:{}T100000Z\r\n", kToday) + lines))},
          {"c/lines-todo.ics",
           calendarText(todo("lines-todo", fmt::format("DUE:{}T170000Z\r\n", kToday) + lines))},
          {"c/lunch.ics", calendarText(kLunch)}};
}

Files files10k() {
  Files files;
  for (int i = 0; i < 5000; ++i) {
    files[fmt::format("c/e{:05}.ics", i)] = calendarText(
        event(fmt::format("e{}", i), fmt::format("DTSTART:{}T{:02}{:02}00Z\r\nDTEND:{}T235900Z\r\n"
                                                 "SUMMARY:Event {}\r\n",
                                                 kToday, i % 24, i % 60, kToday, i)));
    files[fmt::format("c/t{:05}.ics", i)] = calendarText(
        todo(fmt::format("t{}", i), fmt::format("DUE:{}T{:02}{:02}00Z\r\nSUMMARY:Todo {}\r\n",
                                                kToday, i % 24, i % 60, i)));
  }
  return files;
}

Files secondly40() {
  std::string components;
  for (int i = 0; i < 40; ++i)
    components +=
        event(fmt::format("s{}", i), "DTSTART:20200101T000000Z\r\nRRULE:FREQ=SECONDLY\r\n");
  return {{"c/seconds.ics", calendarText(components)}, {"c/lunch.ics", calendarText(kLunch)}};
}

Files rules100() {
  std::string rules;
  for (int i = 0; i < 100; ++i)
    rules +=
        i % 2 ? "RRULE:FREQ=SECONDLY\r\n" : "RRULE:FREQ=SECONDLY;BYHOUR=9;COUNT=1000000000\r\n";
  return {{"c/rules.ics", calendarText(event("rules", "DTSTART:20200101T000000Z\r\n" + rules))},
          {"c/lunch.ics", calendarText(kLunch)}};
}

Files hourlyZone() {
  std::string zone = "BEGIN:VTIMEZONE\r\nTZID:Hourly\r\nBEGIN:STANDARD\r\n"
                     "DTSTART:16010101T000000\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\n"
                     "RRULE:FREQ=HOURLY\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
  return {{"c/zone.ics",
           calendarText(zone +
                        event("zoned", fmt::format("DTSTART;TZID=Hourly:{}T100000\r\n", kToday)))},
          {"c/lunch.ics", calendarText(kLunch)}};
}

Files nested300k() {
  std::string lines = fmt::format("DTSTART:{}T100000Z\r\n", kToday);
  for (int i = 0; i < 300000; ++i)
    lines += "BEGIN:X\r\n";
  for (int i = 0; i < 300000; ++i)
    lines += "END:X\r\n";
  return {{"c/deep.ics", calendarText(event("deep", lines))},
          {"c/lunch.ics", calendarText(kLunch)}};
}

// A thousand invitations, each bringing its own zone with rules from 1601 and a meeting today.
std::pair<std::string, std::string> invitation(int i) {
  std::string tzid = fmt::format("Invite Zone {}", i);
  return {rulesZone(tzid),
          event(fmt::format("invite{}", i),
                fmt::format("DTSTART;TZID={}:{}T{:02}{:02}00\r\nSUMMARY:Invite {}\r\n", tzid,
                            kToday, 9 + i / 60, i % 60, i))};
}

Files invitations1000() {
  Files files{{"work/standup.ics", kStandup}};
  for (int i = 0; i < 1000; ++i) {
    auto [zone, meeting] = invitation(i);
    files[fmt::format("invites/{:04}.ics", i)] = calendarText(zone + meeting);
  }
  return files;
}

Files invitationsInOneFile() {
  std::string zones, meetings;
  for (int i = 0; i < 1000; ++i) {
    auto [zone, meeting] = invitation(i);
    zones += zone;
    meetings += meeting;
  }
  return {{"work/standup.ics", kStandup}, {"invites/all.ics", calendarText(zones + meetings)}};
}

// A thousand tiny rules that can never give a start, each in a file of its own.
Files neverMatching1000() {
  Files files{{"work/standup.ics", kStandup}};
  for (int i = 0; i < 1000; ++i)
    files[fmt::format("a/{:04}.ics", i)] =
        calendarText(event(fmt::format("never{}", i),
                           "DTSTART:20251102T000000\r\nRRULE:FREQ=SECONDLY;BYSETPOS=2\r\n"));
  return files;
}

// Eight files of 7.9 MB of zones, each listing 1,220 changes (within a zone's bound), with an
// event in each zone.
Files zoneLists8() {
  std::string dates = "19000101T030000";
  for (int k = 1; k < 1220; ++k)
    dates += fmt::format(",{}0101T030000", 1900 + k / 8);
  Files files{{"work/standup.ics", kStandup}};
  for (int f = 0; f < 8; ++f) {
    std::string components;
    for (int z = 0; z < 400; ++z) {
      std::string tzid = fmt::format("Listed {}-{}", f, z);
      components += fmt::format("BEGIN:VTIMEZONE\r\nTZID:{}\r\nBEGIN:STANDARD\r\n"
                                "DTSTART:16010101T030000\r\nTZOFFSETFROM:+0200\r\n"
                                "TZOFFSETTO:+0100\r\nRDATE:{}\r\nEND:STANDARD\r\n"
                                "END:VTIMEZONE\r\n",
                                tzid, dates) +
                    event(fmt::format("listed{}-{}", f, z),
                          fmt::format("DTSTART;TZID={}:{}T120000\r\n", tzid, kToday));
    }
    files[fmt::format("lists/{}.ics", f)] = calendarText(components);
  }
  return files;
}

// Zones hostile files define, asked by every event of a folder: one that changes once a year by
// a rule of seconds, asked by 10,000 events today (0.8 MB); one whose rule of seconds never
// changes the clock, asked every 400 days since 2000 and by 2,000 events today (0.2 MB); and a
// thousand files of 400 bytes, each defining it anew, 130 days back and a second apart.
std::string secondsZone(const std::string &start, const std::string &rule) {
  return "BEGIN:VTIMEZONE\r\nTZID:Z\r\nBEGIN:STANDARD\r\nDTSTART:" + start +
         "\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\nRRULE:FREQ=SECONDLY;" + rule +
         "\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
}

std::string inZoneZ(int i, const std::string &wall) {
  return event(fmt::format("z{}", i), fmt::format("DTSTART;TZID=Z:{}\r\n", wall));
}

Files zoneYearlyBySeconds() {
  std::string components =
      secondsZone("20000101T000000", "BYMONTH=1;BYMONTHDAY=1;BYHOUR=0;BYMINUTE=0;BYSECOND=0");
  for (int i = 0; i < 10000; ++i)
    components += inZoneZ(i, fmt::format("{}T120000", kToday));
  return {{"work/standup.ics", kStandup}, {"zone/all.ics", calendarText(components)}};
}

Files zoneNeverChanging() {
  std::string components = secondsZone("20000101T000000", "BYMONTH=1;BYYEARDAY=366");
  std::int64_t first = kit::foundation::dayNumberOf({2000, 1, 1});
  for (int i = 0; i < 24; ++i) {
    auto day = kit::foundation::civilDateOf(first + 400 * i);
    components +=
        inZoneZ(100000 + i, fmt::format("{:04}{:02}{:02}T120000", day.year, day.month, day.day));
  }
  for (int i = 0; i < 2000; ++i)
    components += inZoneZ(i, fmt::format("{}T120000", kToday));
  return {{"work/standup.ics", kStandup}, {"zone/all.ics", calendarText(components)}};
}

Files zoneDefinitions1000() {
  Files files{{"work/standup.ics", kStandup}};
  for (int i = 0; i < 1000; ++i)
    files[fmt::format("zones/{:04}.ics", i)] = calendarText(
        secondsZone(fmt::format("20251030T{:02}{:02}{:02}", i / 3600, i / 60 % 60, i % 60),
                    "BYMONTH=1;BYYEARDAY=366") +
        inZoneZ(i, fmt::format("{}T120000", kToday)));
  return files;
}

// A daily reminder ticked off every day for ten years: its series and 3,650 completed
// occurrences in one file.
Files completedDaily10y() {
  std::string components =
      todo("pills", "SUMMARY:Take the pills\r\nDTSTART;TZID=Europe/Berlin:20160310T090000\r\n"
                    "DUE;TZID=Europe/Berlin:20160310T100000\r\nRRULE:FREQ=DAILY\r\n");
  std::int64_t first = kit::foundation::dayNumberOf({2016, 3, 10});
  for (int day = 0; day < 3650; ++day) {
    auto date = kit::foundation::civilDateOf(first + day);
    std::string stamp = fmt::format("{:04}{:02}{:02}", date.year, date.month, date.day);
    components += todo("pills", fmt::format("RECURRENCE-ID;TZID=Europe/Berlin:{0}T090000\r\n"
                                            "STATUS:COMPLETED\r\nCOMPLETED:{0}T083000Z\r\n"
                                            "PERCENT-COMPLETE:100\r\n",
                                            stamp));
  }
  return {{"todo/pills.ics", calendarText(kBerlin + components)}};
}

// A busy user's folder as a sync tool leaves it: one file per item, each with its zone (200
// definitions of it); 5,000 events over eleven years, a tenth of them daily and a tenth weekly
// series; 2,000 reminders.
Files realistic() {
  Files files;
  for (int i = 0; i < 5000; ++i) {
    std::string start =
        fmt::format("{:04}{:02}{:02}T{:02}0000", 2015 + i % 11, 1 + i % 12, 1 + i % 28, 7 + i % 12);
    std::string end = start.substr(0, 11) + "30" + start.substr(13);
    std::string rule = i % 10 == 0   ? "RRULE:FREQ=DAILY\r\n"
                       : i % 10 == 1 ? "RRULE:FREQ=WEEKLY;BYDAY=MO,WE,FR\r\n"
                                     : "";
    files[fmt::format("work/{:05}.ics", i)] = calendarText(
        rulesZone("Europe/Berlin", 1601 + i % 200) +
        event(fmt::format("event-{}", i),
              fmt::format("DTSTAMP:20250101T000000Z\r\nDTSTART;TZID=Europe/Berlin:{}\r\n"
                          "DTEND;TZID=Europe/Berlin:{}\r\nSUMMARY:Meeting {}\r\n"
                          "LOCATION:Room {}\r\nDESCRIPTION:Notes\\, agenda and a "
                          "link\r\n{}",
                          start, end, i, i % 9, rule)));
  }
  for (int i = 0; i < 2000; ++i)
    files[fmt::format("todo/{:05}.ics", i)] = calendarText(
        kBerlin + todo(fmt::format("todo-{}", i),
                       fmt::format("SUMMARY:Task {}\r\nDUE;TZID=Europe/Berlin:{}T{:02}0000\r\n{}",
                                   i, i % 2 ? kToday : "20260301", 8 + i % 12,
                                   i % 7 ? "STATUS:NEEDS-ACTION\r\n"
                                         : "STATUS:COMPLETED\r\nCOMPLETED:20260310T080000Z\r\n")));
  return files;
}

// Ten thousand tiny files, each one event whose rule gives nothing and takes all a rule may to
// find so (every other second from an even one, of those at second 1), and the stand-up in a
// calendar of its own.
Files costlyFiles10k() {
  Files files{{"work/standup.ics", kStandup}};
  for (int i = 0; i < 10000; ++i)
    files[fmt::format("costly/{:05}.ics", i)] = calendarText(
        event(fmt::format("costly{}", i), "DTSTART:20260101T000000Z\r\nDURATION:P5D\r\n"
                                          "RRULE:FREQ=SECONDLY;INTERVAL=2;BYSECOND=1\r\n"));
  return files;
}

// A rule of every time of a day that never comes (the 200th day of the year, in January): lists
// of hours, minutes and seconds that name 86,400 times a day.
std::string everyTimeOfANeverDay() {
  auto below = [](int last) {
    std::string values;
    for (int value = 0; value < last; ++value)
      values += fmt::format("{}{}", value ? "," : "", value);
    return values;
  };
  return fmt::format(
      "RRULE:FREQ=YEARLY;BYMONTH=1;BYYEARDAY=200;BYHOUR={};BYMINUTE={};BYSECOND={}\r\n", below(24),
      below(60), below(61));
}

// Two thousand files of 9 KB, each one event with 19 such rules, and the stand-up.
Files ruleLists2000() {
  std::string rules;
  for (int i = 0; i < 19; ++i)
    rules += everyTimeOfANeverDay();
  Files files{{"work/standup.ics", kStandup}};
  for (int i = 0; i < 2000; ++i)
    files[fmt::format("lists/{:04}.ics", i)] =
        calendarText(event(fmt::format("lists{}", i), "DTSTART:20200101T000000Z\r\n" + rules));
  return files;
}

// A zone of 440 observances, each with such a rule, asked by 174 events a year apart since it
// begins: one file of 261 KB.
Files ruleListZone440() {
  std::string components = "BEGIN:VTIMEZONE\r\nTZID:Z\r\n";
  for (int i = 0; i < 440; ++i)
    components += "BEGIN:STANDARD\r\nDTSTART:19700101T000000\r\nTZOFFSETFROM:+0100\r\n"
                  "TZOFFSETTO:+0100\r\n" +
                  everyTimeOfANeverDay() + "END:STANDARD\r\n";
  components += "END:VTIMEZONE\r\n";
  for (int i = 0; i < 174; ++i)
    components += inZoneZ(i, fmt::format("{}0101T000000", 1970 + i));
  return {{"work/standup.ics", kStandup}, {"zone/all.ics", calendarText(components)}};
}

// A long line folded at 75 octets, as exports write it.
std::string folded(const std::string &line) {
  std::string text;
  for (std::size_t at = 0; at < line.size(); at += 74)
    text += (at ? "\r\n " : "") + line.substr(at, 74);
  return text;
}

// A calendar exported whole into one file: `count` events spread over `days` days up to a month
// from today, each with a description of `descriptionLines` sentences and an alarm when asked.
std::string exportedCalendar(int count, int days, int descriptionLines, bool alarms) {
  std::int64_t first = kit::foundation::dayNumberOf({2026, 3, 10}) + 30 - days;
  std::string components;
  for (int i = 0; i < count; ++i) {
    auto date = kit::foundation::civilDateOf(first + std::int64_t{i} * days / count);
    std::string day = fmt::format("{:04}{:02}{:02}", date.year, date.month, date.day);
    std::string description = "DESCRIPTION:";
    for (int line = 0; line < descriptionLines; ++line)
      description += fmt::format("Item {} of the agenda\\, with notes and a link to "
                                 "https://example.org/meetings/{}/notes. ",
                                 line + 1, i);
    components +=
        event(fmt::format("{:08}-export@example.org", i),
              fmt::format("DTSTAMP:20260301T000000Z\r\nCREATED:20110301T000000Z\r\n"
                          "LAST-MODIFIED:20260301T000000Z\r\nSEQUENCE:1\r\n"
                          "DTSTART;TZID=Europe/Berlin:{0}T{1:02}0000\r\n"
                          "DTEND;TZID=Europe/Berlin:{0}T{1:02}4500\r\nSUMMARY:Meeting {2}\r\n"
                          "LOCATION:Room {3}\r\n{4}\r\nSTATUS:CONFIRMED\r\nTRANSP:OPAQUE\r\n{5}",
                          day, 8 + i % 10, i, i % 40, folded(description),
                          alarms ? "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Reminder\r\n"
                                   "TRIGGER:-PT15M\r\nEND:VALARM\r\n"
                                 : ""));
  }
  return calendarText(kBerlin + components);
}

// Fifteen years of a calendar, 30,000 events with descriptions and alarms: 18 MB in one file.
Files export18mb() {
  return {{"work/standup.ics", kStandup},
          {"export/all.ics", exportedCalendar(30000, 15 * 365, 2, true)}};
}

// Ten files of 8 MiB of tiny events without UIDs in a calendar read first, then a 5 MB export of
// 5,000 events with descriptions.
Files export5mbAfterTen8mb() {
  const std::string tiny = "BEGIN:VEVENT\r\nDTSTART:20200101T090000Z\r\nEND:VEVENT\r\n";
  std::string components;
  while (components.size() + tiny.size() + 200 < (8 << 20))
    components += tiny;
  Files files{{"work/standup.ics", kStandup},
              {"export/all.ics", exportedCalendar(5000, 10 * 365, 8, false)}};
  for (int i = 0; i < 10; ++i)
    files[fmt::format("a-full/{:02}.ics", i)] = calendarText(components);
  return files;
}

// One event whose TZID is 100 KB of slashes ("a/" 50,000 times, then "x"): no part of it names a
// zone, and only the last few are short enough to be asked.
Files slashesTzid() {
  std::string tzid;
  for (int i = 0; i < 50000; ++i)
    tzid += "a/";
  return {{"work/standup.ics", kStandup},
          {"odd/slashes.ics",
           calendarText(
               event("slashes", fmt::format("DTSTART;TZID={}x:{}T120000\r\n", tzid, kToday)))}};
}

// A zone changing every second (two observances every other second) asked by 60,000 events an
// hour and a few seconds apart since 2000: 7.8 MB.
Files everySecondZone60k() {
  std::string components =
      "BEGIN:VTIMEZONE\r\nTZID:Z\r\nBEGIN:STANDARD\r\nDTSTART:20000101T000000\r\n"
      "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nRRULE:FREQ=SECONDLY;INTERVAL=2\r\n"
      "END:STANDARD\r\nBEGIN:DAYLIGHT\r\nDTSTART:20000101T000001\r\nTZOFFSETFROM:+0100\r\n"
      "TZOFFSETTO:+0200\r\nRRULE:FREQ=SECONDLY;INTERVAL=2\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n";
  std::int64_t first = kit::foundation::dayNumberOf({2000, 1, 1});
  for (int i = 0; i < 60000; ++i) {
    std::int64_t second = std::int64_t{3607} * i;
    auto day = kit::foundation::civilDateOf(first + second / 86400);
    components += event(
        fmt::format("every-second-{:06}@example.org", i),
        fmt::format("DTSTART;TZID=Z:{:04}{:02}{:02}T{:02}{:02}{:02}\r\nSUMMARY:Event {}\r\n",
                    day.year, day.month, day.day, second % 86400 / 3600, second % 3600 / 60,
                    second % 60, i));
  }
  return {{"work/standup.ics", kStandup}, {"zone/all.ics", calendarText(components)}};
}

// A file of `unit` repeated to 64 MiB less `spare`, in a calendar.
std::string filledCalendar(const std::string &unit, std::size_t spare) {
  const std::string head = "BEGIN:VCALENDAR\r\n", tail = "END:VCALENDAR\r\n";
  std::string text = head;
  while (text.size() + unit.size() + tail.size() + spare <= (64 << 20))
    text += unit;
  return text + tail;
}

// Two files of 64 MiB less 1 KiB in one calendar, each of events without a line.
Files emptyEvents2x64mb() {
  std::string text = filledCalendar("BEGIN:VEVENT\r\nEND:VEVENT\r\n", 1024);
  return {{"work/standup.ics", kStandup}, {"empty/a.ics", text}, {"empty/b.ics", text}};
}

// 1.14 million ordinary events long past in one file of 64 MiB.
Files events64mb() {
  std::string components;
  for (int i = 0; components.size() < (64 << 20) - 400; ++i)
    components += fmt::format("BEGIN:VEVENT\r\nUID:{}\r\nDTSTART:20200101T090000Z\r\n"
                              "END:VEVENT\r\n",
                              i);
  return {{"work/standup.ics", kStandup}, {"big/all.ics", calendarText(components)}};
}

// The app group of one shape, written once per process and kept for its benchmarks.
const fs::path &homeOf(const std::string &shape, const std::function<Files()> &make) {
  static std::map<std::string, std::unique_ptr<bench::BenchFolder>> homes;
  auto &folder = homes[shape];
  if (!folder) {
    setenv("TZ", "Europe/Berlin", 1);
    folder = std::make_unique<bench::BenchFolder>();
    for (const auto &[name, text] : make()) {
      fs::path path = folder->path() / "calendars" / name;
      fs::create_directories(path.parent_path());
      std::ofstream(path, std::ios::binary) << text;
    }
    zavel::SharedSuite::open(folder->path()).set(zavel::ClockFormat::timeFormatKey, int64_t{24});
  }
  return folder->path();
}

Environment environmentOf(const fs::path &home) {
  return {.home = home, .clock = kit::foundation::Clock([] { return now(); })};
}

void BM_CalendarReading(benchmark::State &state, const std::string &shape, Files (*make)()) {
  auto environment = environmentOf(homeOf(shape, make));
  for (auto _ : state)
    benchmark::DoNotOptimize(zavel::EventSync::readCalendar(environment));
}

void BM_RemindersReading(benchmark::State &state, const std::string &shape, Files (*make)()) {
  auto environment = environmentOf(homeOf(shape, make));
  for (auto _ : state)
    benchmark::DoNotOptimize(zavel::EventSync::readReminders(environment));
}

// A press on the first reminder: the reading the widget is drawn from, then the toggle, which
// finds the reminder, rewrites its file and stores a fresh reading.
void BM_ReminderPress(benchmark::State &state, const std::string &shape, Files (*make)()) {
  auto environment = environmentOf(homeOf(shape, make));
  for (auto _ : state) {
    auto shown = zavel::EventSync::loadReminders(environment);
    if (!shown || shown->items.empty()) {
      state.SkipWithError("no reminder to press");
      return;
    }
    zavel::EventSync::toggleReminder(shown->items.front().id, environment);
  }
}

// A tap on the series alone, as the intent runs it: the toggle, which reads the calendar under the
// file's lock and rewrites it, then the fresh reading stored. Each tap completes the occurrence
// current then, adding one change to the thousands the file holds.
void BM_ReminderTap(benchmark::State &state, const std::string &shape, Files (*make)()) {
  auto environment = environmentOf(homeOf(shape, make));
  auto shown = zavel::EventSync::loadReminders(environment);
  if (!shown || shown->items.empty()) {
    state.SkipWithError("no reminder to tap");
    return;
  }
  // The series' own id, whichever of its occurrences the list shows first.
  const std::string &first = shown->items.front().id;
  const std::string id = first.substr(0, first.find('#'));
  for (auto _ : state)
    zavel::EventSync::toggleReminder(id, environment);
}

std::int64_t bytesUnder(const fs::path &folder) {
  std::int64_t bytes = 0;
  for (const auto &entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file())
      bytes += static_cast<std::int64_t>(entry.file_size());
  return bytes;
}

std::int64_t residentBytes() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return std::int64_t{resident} * sysconf(_SC_PAGESIZE);
}

// The memory one reading takes at its peak, in a child process of its own: its peak resident
// set above what the process held when it began, against the bound of four times the bytes the
// calendars hold and 100 MB.
void BM_ReadingMemory(benchmark::State &state, const std::string &shape, Files (*make)()) {
  const fs::path &home = homeOf(shape, make);
  auto environment = environmentOf(home);
  double peak = 0;
  for (auto _ : state) {
    // What the shape's making freed goes back, so the reading cannot reuse it unseen.
    malloc_trim(0);
    std::int64_t before = residentBytes();
    pid_t child = fork();
    if (child == 0) {
      zavel::EventSync::readCalendar(environment);
      _exit(0);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
      state.SkipWithError("the reading's process failed");
      return;
    }
    peak = std::max(peak, static_cast<double>(usage.ru_maxrss * 1024 - before));
  }
  constexpr double kMB = 1 << 20;
  state.counters["peak_MB"] = peak / kMB;
  state.counters["bound_MB"] = 4 * bytesUnder(home / "calendars") / kMB + 100;
}

#define CALENDAR_SHAPE(bench, shape)                                                               \
  BENCHMARK_CAPTURE(bench, shape, #shape, shape)->Unit(benchmark::kMillisecond)

CALENDAR_SHAPE(BM_CalendarReading, events110k);
CALENDAR_SHAPE(BM_CalendarReading, line8mb);
CALENDAR_SHAPE(BM_CalendarReading, propertyLines1m);
CALENDAR_SHAPE(BM_CalendarReading, files10k);
CALENDAR_SHAPE(BM_CalendarReading, secondly40);
CALENDAR_SHAPE(BM_CalendarReading, rules100);
CALENDAR_SHAPE(BM_CalendarReading, hourlyZone);
CALENDAR_SHAPE(BM_CalendarReading, nested300k);
CALENDAR_SHAPE(BM_CalendarReading, realistic);
CALENDAR_SHAPE(BM_CalendarReading, invitations1000);
CALENDAR_SHAPE(BM_CalendarReading, invitationsInOneFile);
CALENDAR_SHAPE(BM_CalendarReading, neverMatching1000);
CALENDAR_SHAPE(BM_CalendarReading, zoneLists8);
CALENDAR_SHAPE(BM_CalendarReading, zoneYearlyBySeconds);
CALENDAR_SHAPE(BM_CalendarReading, zoneNeverChanging);
CALENDAR_SHAPE(BM_CalendarReading, zoneDefinitions1000);
CALENDAR_SHAPE(BM_CalendarReading, slashesTzid);

CALENDAR_SHAPE(BM_RemindersReading, line8mb);
CALENDAR_SHAPE(BM_RemindersReading, propertyLines1m);
CALENDAR_SHAPE(BM_RemindersReading, files10k);
CALENDAR_SHAPE(BM_RemindersReading, realistic);
CALENDAR_SHAPE(BM_RemindersReading, completedDaily10y);

CALENDAR_SHAPE(BM_ReminderPress, files10k);
CALENDAR_SHAPE(BM_ReminderPress, realistic);
CALENDAR_SHAPE(BM_ReminderPress, completedDaily10y);
CALENDAR_SHAPE(BM_ReminderTap, completedDaily10y);

CALENDAR_SHAPE(BM_CalendarReading, costlyFiles10k);
CALENDAR_SHAPE(BM_CalendarReading, export18mb);
CALENDAR_SHAPE(BM_CalendarReading, export5mbAfterTen8mb);
CALENDAR_SHAPE(BM_CalendarReading, ruleLists2000);
CALENDAR_SHAPE(BM_CalendarReading, ruleListZone440);
CALENDAR_SHAPE(BM_CalendarReading, everySecondZone60k);
CALENDAR_SHAPE(BM_CalendarReading, emptyEvents2x64mb);
CALENDAR_SHAPE(BM_CalendarReading, events64mb);

CALENDAR_SHAPE(BM_ReadingMemory, everySecondZone60k)->Iterations(1);
CALENDAR_SHAPE(BM_ReadingMemory, emptyEvents2x64mb)->Iterations(1);
CALENDAR_SHAPE(BM_ReadingMemory, events64mb)->Iterations(1);
CALENDAR_SHAPE(BM_ReadingMemory, ruleLists2000)->Iterations(1);
CALENDAR_SHAPE(BM_ReadingMemory, ruleListZone440)->Iterations(1);
CALENDAR_SHAPE(BM_ReadingMemory, export18mb)->Iterations(1);

} // namespace
