#include "CalendarFixture.h"

#include "kit/events/IcalTime.h"
#include "kit/events/ReadingBudget.h"
#include "kit/events/ZoneDefinitions.h"
#include "kit/foundation/CivilDate.h"
#include "kit/foundation/Iso8601.h"
#include "kit/foundation/TimeZone.h"
#include "support/CLibraryZone.h"
#include "support/ScopedEnvironment.h"
#include "support/ScratchTree.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>

using namespace events_test;

namespace {

std::string fixedZone(const std::string &tzid, const std::string &offset) {
  return "BEGIN:VTIMEZONE\nTZID:" + tzid + "\nBEGIN:STANDARD\nDTSTART:16010101T000000\n" +
         "TZOFFSETFROM:" + offset + "\nTZOFFSETTO:" + offset + "\nEND:STANDARD\nEND:VTIMEZONE\n";
}

std::string meeting(const std::string &start) {
  return "BEGIN:VEVENT\nUID:m\nDTSTART" + start + "\nEND:VEVENT\n";
}

// The start of the one event in `body`, read with days and floating times in `zone`.
std::string startIn(const std::string &body, const std::string &zone) {
  auto events = eventsIn(body, utc(1900, 1, 1), utc(2100, 1, 1), zone);
  return events.size() == 1 ? kit::foundation::iso8601String(events[0].start) : "none";
}

} // namespace

// A TZID is a text value, compared with its escapes undone; a VTIMEZONE without observances
// stands for nothing, so its name reads as the system's zone of that name, else the machine's;
// named zones and floating times read as the clocks read them; before a definition's first
// change, its offset is the one that change is from.
TEST(ZoneReading, ZonesReadAsTheirWritersNameThem) {
  struct Case {
    std::string name;
    std::string body;
    std::string machine; // the zone days and floating times are read in
    std::string start;
  };
  const std::string amsterdam = "(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna";
  const std::vector<Case> cases{
      {"escaped commas in the definition, quoted in the event",
       invitationZone("(UTC+01:00) Amsterdam\\, Berlin\\, Bern\\, Rome\\, Stockholm\\, Vienna") +
           meeting(";TZID=\"" + amsterdam + "\":20261208T150000"),
       "America/New_York", "2026-12-08T14:00:00Z"},
      {"Kuala Lumpur, eight hours ahead",
       fixedZone("(UTC+08:00) Kuala Lumpur\\, Singapore", "+0800") +
           meeting(";TZID=\"(UTC+08:00) Kuala Lumpur, Singapore\":20261208T150000"),
       "America/New_York", "2026-12-08T07:00:00Z"},
      {"a definition holding its TZID alone: the system's zone",
       "BEGIN:VTIMEZONE\nTZID:Europe/Berlin\nX-LIC-LOCATION:Europe/Berlin\nEND:VTIMEZONE\n" +
           meeting(";TZID=Europe/Berlin:20261208T150000"),
       "UTC", "2026-12-08T14:00:00Z"},
      {"an empty definition before a full one of the same name",
       "BEGIN:VTIMEZONE\nTZID:Office\nEND:VTIMEZONE\n" + fixedZone("Office", "+0300") +
           meeting(";TZID=Office:20261208T150000"),
       "UTC", "2026-12-08T12:00:00Z"},
      {"an empty definition of a name the system lacks: the machine's zone",
       "BEGIN:VTIMEZONE\nTZID:Nowhere\nBEGIN:STANDARD\nDTSTART:16010101T000000\n"
       "TZOFFSETFROM:+0500\nEND:STANDARD\nEND:VTIMEZONE\n" +
           meeting(";TZID=Nowhere:20261208T150000"),
       "Asia/Tokyo", "2026-12-08T06:00:00Z"},
      {"Jerusalem's summer of 2014", meeting(";TZID=Asia/Jerusalem:20140920T120000"), "UTC",
       "2014-09-20T09:00:00Z"},
      {"Easter Island's summer of 2022", meeting(";TZID=Pacific/Easter:20220101T120000"), "UTC",
       "2022-01-01T17:00:00Z"},
      {"St. John's summer of 2040", meeting(";TZID=America/St_Johns:20400701T120000"), "UTC",
       "2040-07-01T14:30:00Z"},
      {"a floating time in Jerusalem's summer of 2014", meeting(":20140920T120000"),
       "Asia/Jerusalem", "2014-09-20T09:00:00Z"},
      {"before the first change, its offset from",
       "BEGIN:VTIMEZONE\nTZID:Late\nBEGIN:DAYLIGHT\nDTSTART:20260329T020000\n"
       "TZOFFSETFROM:+0100\nTZOFFSETTO:+0200\nEND:DAYLIGHT\nEND:VTIMEZONE\n" +
           meeting(";TZID=Late:20260115T120000"),
       "UTC", "2026-01-15T11:00:00Z"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(startIn(c.body, c.machine), c.start) << c.name;
}

// Around every change of the clock from 1970 to 2050, in every zone the database holds, a time
// with a TZID and no definition is the moment the C library reads it at: a time shown twice is
// the first of them, one skipped is read with the offset before the change (RFC 5545 §3.3.5).
TEST(ZoneReading, ANamedZoneReadsAsTheCLibraryAroundEveryChange) {
  auto lock = kit::events::lockLibical();
  const auto identifiers = kit::foundation::TimeZone::knownIdentifiers();
  ASSERT_GE(identifiers.size(), 400u);
  std::string seen;
  int failures = 0;
  auto read = [](std::int64_t wall, const kit::events::Zone *zone) {
    kit::events::ZonedTime time{.time = kit::events::timeAt(wall, icaltime_null_time()),
                                .zone = zone};
    return static_cast<std::int64_t>(
        kit::events::instantOf(time, kit::events::utcZone()).unixTime());
  };
  for (const auto &id : identifiers) {
    const kit::events::Zone *zone = kit::events::systemZone(id);
    ASSERT_TRUE(zone) << id;
    auto expected = zavel::test::cLibraryZone(id, 0, 2524608000);
    ASSERT_FALSE(expected.daily.empty()) << id;
    for (const auto &[before, after] : expected.changes) {
      std::int64_t change = after.at;
      std::int64_t low = std::min(before.offset, after.offset);
      std::int64_t high = std::max(before.offset, after.offset);
      for (auto [wall, moment] :
           {std::pair{change + low - 1, change + low - 1 - before.offset},
            {change + (low + high) / 2, change + (low + high) / 2 - before.offset},
            {change + high, change + high - after.offset}}) {
        std::int64_t got = read(wall, zone);
        if (got != moment && ++failures <= 5)
          seen += fmt::format("{} {}: {} for {}\n", id, wall, got, moment);
      }
    }
  }
  EXPECT_EQ(failures, 0) << seen;
}

// Named zones read as python's zoneinfo reads the same database: zones whose rules changed after
// 2022 (Mexico without summer time, Cairo with it again, Asuncion and Almaty moved, Ciudad
// Juarez new), a time the clock skips and one it shows twice.
TEST(ZoneReading, NamedZonesReadAsPythonsZoneinfo) {
  const std::vector<std::pair<std::string, std::string>> times{
      {"America/Mexico_City", "2026-07-15T09:00"}, {"America/Ciudad_Juarez", "2026-07-15T09:00"},
      {"America/Monterrey", "2026-01-15T09:00"},   {"Africa/Cairo", "2026-07-15T09:00"},
      {"Africa/Cairo", "2026-04-24T00:30"},        {"Africa/Cairo", "2026-10-29T23:30"},
      {"America/Asuncion", "2026-07-15T09:00"},    {"America/Asuncion", "2026-01-15T09:00"},
      {"Asia/Almaty", "2026-07-15T09:00"},         {"America/Nuuk", "2026-07-15T09:00"},
      {"Pacific/Fiji", "2026-01-15T09:00"},        {"Antarctica/Vostok", "2026-07-15T09:00"},
      {"Europe/Berlin", "2026-03-29T02:30"},       {"Europe/Berlin", "2026-10-25T02:30"}};
  std::string script = "import datetime, zoneinfo\n";
  for (const auto &[zone, wall] : times)
    script += fmt::format("print(int(datetime.datetime.fromisoformat('{}').replace(tzinfo="
                          "zoneinfo.ZoneInfo('{}')).timestamp()))\n",
                          wall, zone);
  std::string command = "/usr/bin/python3 - 2>&1 <<'EOF'\n" + script + "EOF";
  auto pipe = std::unique_ptr<FILE, int (*)(FILE *)>(popen(command.c_str(), "r"), pclose);
  ASSERT_TRUE(pipe);
  for (const auto &[zone, wall] : times) {
    char line[64] = {};
    ASSERT_TRUE(fgets(line, sizeof line, pipe.get())) << zone;
    std::string compact = wall.substr(0, 4) + wall.substr(5, 2) + wall.substr(8, 2) + "T" +
                          wall.substr(11, 2) + wall.substr(14, 2) + "00";
    auto events = eventsIn(meeting(";TZID=" + zone + ":" + compact), utc(1900, 1, 1),
                           utc(2100, 1, 1), "Asia/Tokyo");
    ASSERT_EQ(events.size(), 1u) << zone;
    EXPECT_EQ(events[0].start.unixTime(), std::stod(line)) << zone << " " << wall;
  }
}

// A TZID names the zone of its longest trailing part the database holds; parts no name can be
// ("." or "..", longer than any name) are passed over; a name the database lacks, an abbreviation
// among them, is the machine's zone, however long it is.
TEST(ZoneReading, ATZIDIsItsLongestTrailingNameOfTheDatabase) {
  std::string slashes;
  for (int i = 0; i < 50000; ++i)
    slashes += "a/";
  const std::vector<std::pair<std::string, std::string>> cases{
      {"/example.org/2026/America/New_York", "2026-07-15T13:00:00Z"},
      {slashes + "America/New_York", "2026-07-15T13:00:00Z"},
      {slashes + "America/Argentina/ComodRivadavia", "2026-07-15T12:00:00Z"},
      {"Europe/../America/New_York", "2026-07-15T13:00:00Z"},
      {"America/New_York/..", "2026-07-15T00:00:00Z"},
      {slashes + "x", "2026-07-15T00:00:00Z"},
      {"BST", "2026-07-15T00:00:00Z"},
      {"IST", "2026-07-15T00:00:00Z"},
      {"GMT+05:30", "2026-07-15T00:00:00Z"},
      {"America/Ciudad_Juarez", "2026-07-15T15:00:00Z"},
  };
  for (const auto &[tzid, start] : cases)
    EXPECT_EQ(startIn(meeting(";TZID=\"" + tzid + "\":20260715T090000"), "Asia/Tokyo"), start)
        << tzid.substr(tzid.size() > 40 ? tzid.size() - 40 : 0);
}

// Names the database lacks are many; none of them keeps a real zone from being found after them.
TEST(ZoneReading, AfterThousandsOfUnknownTZIDsARealZoneStillResolves) {
  test_support::ScratchTree tree;
  std::filesystem::create_directories(tree.root() / "zoneinfo/Late");
  std::filesystem::copy_file("/usr/share/zoneinfo/Asia/Tokyo", tree.root() / "zoneinfo/Late/Zone");
  zavel::test::ScopedEnvironment environment(
      {{"TZDIR", std::optional<std::string>((tree.root() / "zoneinfo").string())}});
  for (int i = 0; i < 6000; ++i)
    ASSERT_FALSE(kit::events::systemZone(fmt::format("Nowhere/Late/Place{}", i)));
  ASSERT_TRUE(kit::events::systemZone("Late/Zone"));
  EXPECT_EQ(kit::events::systemZone("Late/Zone")->offsetAt(1784000000), 9 * 3600);
}

// Days and floating times are read in the machine's zone however $TZ gives it: a POSIX rule too.
TEST(ZoneReading, FloatingTimesFollowTheMachinesZoneGivenByARule) {
  CalendarHome home;
  home.add("home", "float.ics", "BEGIN:VEVENT\nUID:f\nDTSTART:20260715T150000\nEND:VEVENT");
  zavel::test::ScopedEnvironment environment({{"TZ", std::string("CET-1CEST,M3.5.0,M10.5.0/3")}});
  auto events = kit::events::EventStore(home.folder(), kit::foundation::TimeZone::current())
                    .events(utc(2026, 7, 15), utc(2026, 7, 16));
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].start, utc(2026, 7, 15, 13));
}

// Asked in any order, over and over, a zone answers from what it has found as it would afresh:
// rules Europe/Berlin has kept since 1996 read every wall time as the system's Europe/Berlin,
// times around each change and times spread over a century, in a scrambled order.
TEST(ZoneReading, ADefinedZoneAskedInAnyOrderReadsAsTheSystemsZone) {
  std::vector<std::string> walls;
  for (int year = 1997; year <= 2099; ++year)
    for (const char *day : {"0325", "0331", "1025", "1031"})
      for (const char *time : {"013000", "023000", "033000"})
        walls.push_back(fmt::format("{}{}T{}", year, day, time));
  std::uint32_t seed = 12345;
  auto next = [&] { return seed = seed * 1103515245u + 12345u; };
  for (int i = 0; i < 2000; ++i)
    walls.push_back(fmt::format("{}{:02}{:02}T{:02}{:02}00", 1997 + next() % 103, 1 + next() % 12,
                                1 + next() % 28, next() % 24, next() % 60));
  for (std::size_t i = walls.size() - 1; i > 0; --i)
    std::swap(walls[i], walls[next() % (i + 1)]);
  std::string body = invitationZone("Rules");
  for (std::size_t i = 0; i < walls.size(); ++i)
    for (const char *zone : {"Rules", "Europe/Berlin"})
      body += fmt::format("BEGIN:VEVENT\nUID:{}-{}\nDTSTART;TZID={}:{}\nEND:VEVENT\n", zone, i,
                          zone, walls[i]);
  std::map<std::string, std::map<std::string, Date>> starts;
  for (const auto &event : eventsIn(body, utc(1997, 1, 1), utc(2100, 1, 1))) {
    auto dash = event.id.rfind('-');
    starts[event.id.substr(dash + 1)][event.id.substr(2, dash - 2)] = event.start;
  }
  ASSERT_EQ(starts.size(), walls.size());
  for (const auto &[index, byZone] : starts)
    EXPECT_EQ(byZone.at("Rules"), byZone.at("Europe/Berlin")) << walls[std::stoul(index)];
}

// Zones that hostile files define, asked by thousands of times: one changing once a year by a
// rule of seconds, one whose rule never changes the clock asked across 26 years, and a hundred
// definitions a second apart. Every time reads in its zone, and the stand-up shows beside them.
TEST(ZoneReading, ZonesAskedOftenAndFarReadEveryTimeRight) {
  auto zone = [](const std::string &start, const std::string &rule) {
    return "BEGIN:VTIMEZONE\nTZID:Z\nBEGIN:STANDARD\nDTSTART:" + start +
           "\nTZOFFSETFROM:+0100\nTZOFFSETTO:+0100\nRRULE:FREQ=SECONDLY;" + rule +
           "\nEND:STANDARD\nEND:VTIMEZONE\n";
  };
  auto at = [](int i, const std::string &wall) {
    return fmt::format("BEGIN:VEVENT\nUID:e{}\nDTSTART;TZID=Z:{}\nEND:VEVENT\n", i, wall);
  };
  CalendarHome home;
  home.add("work", "standup.ics",
           "BEGIN:VEVENT\nUID:standup\nDTSTART;TZID=Europe/Oslo:20260105T090000\n"
           "RRULE:FREQ=DAILY\nEND:VEVENT");
  std::string yearly = zone("20000101T000000", "BYMONTH=1;BYMONTHDAY=1;BYHOUR=0;BYMINUTE=0;"
                                               "BYSECOND=0");
  for (int i = 0; i < 2000; ++i)
    yearly += at(i, "20261207T120000");
  home.add("yearly", "all.ics", yearly);
  std::string never = zone("20000101T000000", "BYMONTH=1;BYYEARDAY=366");
  for (int i = 0; i < 24; ++i) {
    auto day = kit::foundation::civilDateOf(kit::foundation::dayNumberOf({2000, 1, 1}) + 400 * i);
    never += at(10000 + i, fmt::format("{:04}{:02}{:02}T120000", day.year, day.month, day.day));
  }
  for (int i = 0; i < 2000; ++i)
    never += at(i, "20261207T120000");
  home.add("never", "all.ics", never);
  for (int i = 0; i < 100; ++i)
    home.add("apart", fmt::format("{:03}.ics", i),
             zone(fmt::format("20260730T0000{:02}", i % 60), "BYMONTH=1;BYYEARDAY=366") +
                 at(i, "20261207T120000"));
  std::map<std::string, int> today;
  for (const auto &event : home.store().events(utc(2026, 12, 6, 23), utc(2026, 12, 7, 23))) {
    std::string calendar = event.id.substr(0, event.id.find('/'));
    EXPECT_EQ(event.start, calendar == "work" ? utc(2026, 12, 7, 8) : utc(2026, 12, 7, 11))
        << event.id;
    ++today[calendar];
  }
  EXPECT_EQ(today, (std::map<std::string, int>{
                       {"apart", 100}, {"never", 2000}, {"work", 1}, {"yearly", 2000}}));
  int early = 0;
  for (const auto &event : home.store().events(utc(2000, 1, 1), utc(2026, 6, 1)))
    if (event.id.starts_with("never/e1")) {
      EXPECT_EQ(std::fmod(event.start.unixTime() + 3600, 86400.0), 43200.0) << event.id;
      ++early;
    }
  EXPECT_EQ(early, 24);
}

// A question its file cannot pay for leaves the zone as it was: another file defining it with
// the same text still reads its time in it.
TEST(ZoneReading, AZoneOneFileCannotAffordStaysUsableForAnother) {
  // A rule whose every look back costs a step a day: from 2026 to 1700, more than a file may
  // spend once the reading's budget is gone, less than a zone may take.
  const std::string zone = "BEGIN:VTIMEZONE\nTZID:Z\nBEGIN:STANDARD\nDTSTART:17000101T000000\n"
                           "TZOFFSETFROM:+0100\nTZOFFSETTO:+0100\n"
                           "RRULE:FREQ=SECONDLY;BYMONTH=1;BYYEARDAY=366\nEND:STANDARD\n"
                           "END:VTIMEZONE\n";
  CalendarHome home;
  for (int i = 0; i < 20; ++i)
    home.add("a", fmt::format("{:02}.ics", i),
             fmt::format("BEGIN:VEVENT\nUID:costly{}\nDTSTART:20260101T000000Z\n"
                         "RRULE:FREQ=SECONDLY;INTERVAL=2;BYSECOND=1\nEND:VEVENT",
                         i));
  home.add("b", "today.ics",
           zone + "BEGIN:VEVENT\nUID:today\nDTSTART;TZID=Z:20261207T120000\nEND:VEVENT");
  home.add("c", "early.ics",
           zone + "BEGIN:VEVENT\nUID:early\nDTSTART;TZID=Z:17010115T120000\nEND:VEVENT");
  auto events = home.store().events(utc(1700, 1, 1), utc(2027, 1, 1));
  std::erase_if(events, [](const auto &event) { return event.calendar == "a"; });
  ASSERT_EQ(idsOf(events), std::vector<std::string>{"c/early"});
  EXPECT_EQ(kit::foundation::iso8601String(events[0].start), "1701-01-15T11:00:00Z");
}

// A zone within the documented bounds reads, however long its text: 10,000 changes each an
// observance of its own (a megabyte), a thousand rules. One rule more leaves its file out, the
// stand-up beside it included, and no other file.
TEST(ZoneReading, AZoneWithinItsBoundsReadsWhateverItsLengthAndOnePastThemLeavesItsFileOut) {
  // Observances that each keep the clock an hour ahead of UTC, one a year from 1601.
  auto observances = [](int count) {
    std::string lines;
    for (int i = 0; i < count; ++i)
      lines += fmt::format("BEGIN:STANDARD\nDTSTART:{:04}0101T000000\nTZOFFSETFROM:+0100\n"
                           "TZOFFSETTO:+0100\nEND:STANDARD\n",
                           1601 + i % 400);
    return lines;
  };
  auto rules = [](int count) {
    std::string lines = "BEGIN:STANDARD\nDTSTART:16010101T000000\nTZOFFSETFROM:+0100\n"
                        "TZOFFSETTO:+0100\n";
    for (int i = 0; i < count; ++i)
      lines += fmt::format("RRULE:FREQ=YEARLY;BYMONTH={};BYMONTHDAY=1\n", 1 + i % 12);
    return lines + "END:STANDARD\n";
  };
  struct Case {
    std::string name;
    std::string observances;
    std::vector<std::string> shown;
  };
  const std::vector<std::string> both{"c/zoned 2026-12-07T09:00:00Z",
                                      "c/other 2026-12-07T11:00:00Z",
                                      "c/standup 2026-12-07T12:00:00Z"};
  const std::vector<Case> cases{
      {"10,000 changes", observances(10000), both},
      {"a thousand rules", rules(1000), both},
      {"a rule more", rules(1001), {"c/other 2026-12-07T11:00:00Z"}},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add("c", "long.ics",
             "BEGIN:VTIMEZONE\nTZID:Long\n" + c.observances +
                 "END:VTIMEZONE\nBEGIN:VEVENT\nUID:zoned\nDTSTART;TZID=Long:20261207T100000\n"
                 "END:VEVENT\nBEGIN:VEVENT\nUID:standup\nDTSTART:20261207T120000Z\nEND:VEVENT");
    home.add("c", "other.ics", "BEGIN:VEVENT\nUID:other\nDTSTART:20261207T110000Z\nEND:VEVENT");
    std::vector<std::string> shown;
    for (const auto &event : home.store().events(utc(2026, 12, 7), utc(2026, 12, 8)))
      shown.push_back(event.id + " " + kit::foundation::iso8601String(event.start));
    EXPECT_EQ(shown, c.shown) << c.name;
  }
}

// Each question to a zone costs the item asking a step, however it is answered: from the onsets
// the zone lists, or from what a question at that moment found before.
TEST(ZoneReading, EachQuestionToAZoneCostsTheItemAskingAStep) {
  const std::string observance = "BEGIN:STANDARD\r\nDTSTART:16010101T000000\r\n"
                                 "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\n";
  struct Case {
    std::string name;
    std::string lines; // as a file's reading keeps them
  };
  const std::vector<Case> cases{
      {"listed onsets", "TZID:Z\r\n" + observance + "END:STANDARD\r\n"},
      {"a rule", "TZID:Z\r\n" + observance + "RRULE:FREQ=YEARLY;BYMONTH=10\r\nEND:STANDARD\r\n"},
  };
  const std::int64_t moment = 1796601600; // 2026-12-07 00:00 UTC
  for (const auto &c : cases) {
    kit::events::DefinedZone zone(c.lines);
    kit::events::ReadingBudget budget;
    kit::events::FileAccount account(budget);
    account.startItem();
    ASSERT_EQ(zone.offsetAt(moment, &account), 3600) << c.name;
    for (int asked = 0; asked < 3; ++asked) {
      auto before = account.available(kit::events::ReadingBudget::steps);
      ASSERT_EQ(zone.offsetAt(moment, &account), 3600) << c.name;
      EXPECT_EQ(before - account.available(kit::events::ReadingBudget::steps), 1) << c.name;
    }
  }
}

// A zone whose reading keeps more than it may forgets what it found before the next question and
// finds it again: asked with no room to keep anything, around every change of a century and on days
// between, in a scrambled order, rules of Europe/Berlin (one counted, which is walked whole) read every moment
// as the C library reads Europe/Berlin.
TEST(ZoneReading, AZoneThatForgetsWhatItFoundReadsAsTheCLibrary) {
  const std::string lines =
      "TZID:Forgetful\r\nBEGIN:STANDARD\r\nDTSTART:19961027T030000\r\nTZOFFSETFROM:+0200\r\n"
      "TZOFFSETTO:+0100\r\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10;COUNT=120\r\nEND:STANDARD\r\n"
      "BEGIN:DAYLIGHT\r\nDTSTART:19810329T020000\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\n"
      "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\r\nEND:DAYLIGHT\r\n";
  auto expected = zavel::test::cLibraryZone("Europe/Berlin", 852076800, 3786825600); // 1997-2090
  ASSERT_GT(expected.changes.size(), 180u);
  std::vector<std::pair<std::int64_t, std::int64_t>> asked; // moment, offset
  for (const auto &[before, after] : expected.changes)
    asked.insert(asked.end(), {{after.at - 1, before.offset}, {after.at, after.offset}});
  for (std::size_t day = 0; day < expected.daily.size(); day += 97)
    asked.emplace_back(expected.daily[day].at, expected.daily[day].offset);
  std::uint32_t seed = 7;
  for (std::size_t i = asked.size() - 1; i > 0; --i)
    std::swap(asked[i], asked[(seed = seed * 1103515245u + 12345u) % (i + 1)]);
  kit::events::ZoneMemory memory(0);
  kit::events::DefinedZone zone(lines, &memory);
  int wrong = 0;
  std::string seen;
  for (const auto &[moment, offset] : asked) {
    // Each question on a reading of its own: finding again costs what finding first did.
    kit::events::ReadingBudget budget;
    kit::events::FileAccount account(budget);
    account.startItem();
    std::int64_t got = zone.offsetAt(moment, &account);
    if (got != offset && ++wrong <= 5)
      seen += fmt::format("{}: {} for {}\n", moment, got, offset);
  }
  EXPECT_EQ(wrong, 0) << seen;
}
