#include "kit/foundation/TimeZone.h"

#include "kit/foundation/Calendar.h"
#include "kit/foundation/CivilDate.h"
#include "kit/foundation/Iso8601.h"
#include "kit/foundation/ZoneDatabase.h"
#include "support/CLibraryZone.h"
#include "support/Processes.h"
#include "support/ScopedEnvironment.h"
#include "support/ScratchTree.h"

#include <filesystem>
#include <fmt/format.h>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

using kit::foundation::Calendar;
using kit::foundation::Date;
using kit::foundation::dateFromIso8601;
using kit::foundation::TimeZone;
using zavel::test::CLibraryReading;
using zavel::test::CLibraryZone;
using zavel::test::ScopedEnvironment;

namespace {

constexpr std::int64_t k1970 = 0;
constexpr std::int64_t k2050 = 2524608000;
const std::string kDatabase = "/usr/share/zoneinfo";

Date at(std::int64_t unixSeconds) { return Date::fromUnixTime(static_cast<double>(unixSeconds)); }

std::string shown(const CLibraryReading &reading) {
  return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}:{:02}", reading.year, reading.month,
                     reading.day, reading.hour, reading.minute, reading.second);
}

std::string shown(const kit::foundation::DateComponents &fields) {
  return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}:{:02}", fields.year, fields.month, fields.day,
                     fields.hour, fields.minute, fields.second);
}

// The moment the clocks' calendar gives a wall time.
Date dateOfWall(const Calendar &calendar, std::int64_t wall) {
  auto date = kit::foundation::civilDateOf(kit::foundation::floorDiv(wall, 86400));
  auto second = static_cast<int>(wall - kit::foundation::floorDiv(wall, 86400) * 86400);
  return calendar.date(date.year, date.month, date.day, second / 3600, second / 60 % 60,
                       second % 60);
}

// A zone reads as the C library reads it: its offset every day; at each change the offsets and
// the fields of the clock on both sides; and wall times around it, which the clocks' calendar
// takes as the first of two that are shown twice and as the change itself for one that is
// skipped. Failures are counted, and the first few described.
int failuresAgainst(const TimeZone &zone, const CLibraryZone &expected, std::string &seen) {
  int failures = 0;
  auto fail = [&](const std::string &what) {
    if (++failures <= 3)
      seen += zone.identifier() + ": " + what + "\n";
  };
  for (const auto &day : expected.daily)
    if (zone.secondsFromGMT(at(day.at)) != day.offset)
      fail(fmt::format("offset at {}", day.at));
  Calendar calendar = Calendar::gregorian(zone);
  for (std::size_t i = 0; i < expected.changes.size(); ++i) {
    const auto &[before, after] = expected.changes[i];
    for (const auto &reading : {before, after}) {
      if (zone.secondsFromGMT(at(reading.at)) != reading.offset)
        fail(fmt::format("offset at {}", reading.at));
      if (shown(calendar.components(at(reading.at))) != shown(reading))
        fail(fmt::format("clock at {}: {} for {}", reading.at,
                         shown(calendar.components(at(reading.at))), shown(reading)));
    }
    bool alone = (i == 0 || after.at - expected.changes[i - 1].after.at > 2 * 86400) &&
                 (i + 1 == expected.changes.size() ||
                  expected.changes[i + 1].after.at - after.at > 2 * 86400);
    if (!alone)
      continue;
    std::int64_t low = std::min(before.offset, after.offset);
    std::int64_t high = std::max(before.offset, after.offset);
    std::int64_t change = after.at;
    std::int64_t inBetween = change + (low + high) / 2;
    std::int64_t betweenMoment = after.offset > before.offset ? change : inBetween - before.offset;
    for (auto [wall, moment] : {std::pair{change + low - 3600, change + low - 3600 - before.offset},
                                {inBetween, betweenMoment},
                                {change + high + 3600, change + high + 3600 - after.offset}}) {
      if (low == high && wall == inBetween)
        continue;
      if (dateOfWall(calendar, wall) != at(moment))
        fail(fmt::format("wall time {} as {} for {}", wall, dateOfWall(calendar, wall).unixTime(),
                         moment));
    }
  }
  return failures;
}

// A copy of one of the machine's zone files under another name, in a database of its own.
struct OwnDatabase {
  test_support::ScratchTree tree;
  std::filesystem::path folder = tree.root() / "zoneinfo";

  void copy(const std::string &from, const std::string &as) {
    std::filesystem::create_directories((folder / as).parent_path());
    std::filesystem::copy_file(kDatabase + "/" + from, folder / as);
  }
};

} // namespace

// Around every change from 1970 to 2050 in every zone the database holds (every zone of
// zone1970.tab among them), the clocks read every moment and wall time as the C library does.
TEST(TimeZone, EveryZoneReadsAsTheCLibraryAroundEveryChange) {
  auto identifiers = TimeZone::knownIdentifiers();
  std::set<std::string> listed(identifiers.begin(), identifiers.end());
  for (const auto &name : zavel::test::zone1970Names())
    EXPECT_TRUE(listed.contains(name)) << name;
  ASSERT_GE(identifiers.size(), 400u);
  std::string seen;
  int failing = 0;
  std::size_t changes = 0;
  for (const auto &id : identifiers) {
    auto zone = TimeZone::named(id);
    ASSERT_TRUE(zone) << id;
    auto expected = zavel::test::cLibraryZone(id, k1970, k2050);
    ASSERT_FALSE(expected.daily.empty()) << id;
    changes += expected.changes.size();
    failing += failuresAgainst(*zone, expected, seen) > 0 ? 1 : 0;
  }
  EXPECT_EQ(failing, 0) << seen;
  EXPECT_GE(changes, 25000u);
}

// $TZ as the C library reads it: POSIX rules (summer behind standard time, half hours, days by
// number, changes at 26 or 50 hours, summer all year), a name with a colon, a path, a name below
// "posix/".
TEST(TimeZone, TheMachinesZoneReadsTZAsTheCLibraryDoes) {
  for (const std::string tz :
       {"CET-1CEST,M3.5.0,M10.5.0/3", "JST-9", "EST5EDT,M3.2.0,M11.1.0",
        "IST-1GMT0,M10.5.0,M3.5.0/1", "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0",
        "EET-2EEST,M3.4.4/50,M10.4.4/50", "IST-2IDT,M3.4.4/26,M10.5.0", "AAA3BBB,J60/2,J300/2",
        "AAA3BBB,60/2,300/2", "AAA-14BBB-15,M1.1.0/0,M12.5.6/23", "EST5EDT,0/0,J365/25",
        "<-02>2<-01>,M3.5.0/-1,M10.5.0/0", ":Asia/Tokyo", "/usr/share/zoneinfo/America/Denver",
        "posix/Europe/Berlin"}) {
    ScopedEnvironment environment({{"TZ", tz}});
    std::string seen;
    // Before 1971 the C library reads every rule as 1970's.
    EXPECT_EQ(
        failuresAgainst(TimeZone::current(), zavel::test::cLibraryZone(tz, 31536000, k2050), seen),
        0)
        << tz << "\n"
        << seen;
  }
}

TEST(TimeZone, CurrentZoneIsNamedAsTZNamesIt) {
  for (auto [tz, expected] : {std::pair{":Europe/Paris", "Europe/Paris"},
                              {"/usr/share/zoneinfo/America/Denver", "America/Denver"},
                              {"JST-9", "JST-9"},
                              {"CET-1CEST,M3.5.0,M10.5.0/3", "CET-1CEST"},
                              {"Nowhere/Land", "UTC"},
                              {"BST", "UTC"},
                              {"", "UTC"}}) {
    ScopedEnvironment environment({{"TZ", std::string(tz)}});
    EXPECT_EQ(TimeZone::current().identifier(), expected) << tz;
    if (expected == std::string("UTC")) {
      EXPECT_EQ(TimeZone::current().secondsFromGMT(*dateFromIso8601("2026-07-15T12:00:00Z")), 0);
    }
  }
  ScopedEnvironment noVariable({{"TZ", std::nullopt}});
  std::error_code error;
  auto link = std::filesystem::read_symlink("/etc/localtime", error);
  if (error)
    GTEST_SKIP() << "/etc/localtime is not a link here";
  auto expected = link.string().substr(link.string().rfind("zoneinfo/") + 9);
  EXPECT_EQ(TimeZone::current().identifier(), expected);
}

// Names the database holds, and offsets from GMT, are zones; abbreviations the database does not
// hold (which ICU would read as Dhaka, Anchorage or Auckland), paths and made-up names are none.
TEST(TimeZone, NamesAreTheDatabasesOrOffsetsFromGMT) {
  for (const char *known :
       {"America/Ciudad_Juarez", "US/Pacific", "EST5EDT", "UTC", "GMT+05:30", "GMT-01:01:59"})
    EXPECT_EQ(TimeZone::named(known)->identifier(), known);
  EXPECT_EQ(TimeZone::named("GMT-03:30")->secondsFromGMT(*dateFromIso8601("2024-07-01T12:00:00Z")),
            -12600);
  for (const char *notHere :
       {"BST", "AST", "NST", "IST", "Mars/Olympus_Mons", "Etc/Unknown", "london"}) {
    ASSERT_FALSE(std::filesystem::exists(kDatabase + "/" + notHere)) << notHere;
    EXPECT_FALSE(TimeZone::named(notHere)) << notHere;
  }
  for (const char *noName : {"", "zone.tab", "Europe", "Europe//Berlin", "Europe/./Berlin",
                             "../zoneinfo/Europe/Berlin", "/usr/share/zoneinfo/Europe/Berlin"})
    EXPECT_FALSE(TimeZone::named(noName)) << noName;
  // Mexico has kept standard time all year since 2022; Asuncion, three hours behind, since 2024.
  const Date july = *dateFromIso8601("2026-07-15T12:07:00Z");
  EXPECT_EQ(TimeZone::named("America/Mexico_City")->secondsFromGMT(july), -6 * 3600);
  EXPECT_EQ(TimeZone::named("America/Asuncion")->secondsFromGMT(july), -3 * 3600);
}

// $TZDIR names the database: its names and files are the ones read, and a file there that is no
// zone file, or no file at all, is none, never waited on.
TEST(TimeZone, TZDIRNamesTheDatabase) {
  OwnDatabase database;
  database.copy("Europe/Berlin", "Test/Berlin");
  std::filesystem::create_directories(database.folder / "Test");
  std::ofstream(database.folder / "Test/Cut")
      << std::string(44, 'x'); // no zone file: too short, no magic
  ASSERT_EQ(::mkfifo((database.folder / "Test/Pipe").c_str(), 0600), 0);
  ScopedEnvironment environment({{"TZDIR", database.folder.string()}, {"TZ", "Test/Pipe"}});
  ASSERT_TRUE(zavel::test::finishesWithin(std::chrono::seconds(5), [] {
    return !TimeZone::named("Test/Pipe") && TimeZone::current().identifier() == "UTC";
  }));
  EXPECT_EQ(
      TimeZone::named("Test/Berlin")->secondsFromGMT(*dateFromIso8601("2026-07-15T12:00:00Z")),
      7200);
  EXPECT_FALSE(TimeZone::named("Test/Cut"));
  EXPECT_FALSE(TimeZone::named("Europe/Berlin"));
  EXPECT_EQ(kit::foundation::ZoneDatabase::names().all,
            (std::set<std::string, std::less<>>{"Test/Berlin", "Test/Cut", "Test/Pipe"}));
}

// A zone file of the first version (no rule for later years) and one whose rule line is empty
// read as the C library reads them: the last change listed holds for ever.
TEST(TimeZone, ZoneFilesWithoutARuleReadAsTheCLibraryReadsThem) {
  OwnDatabase database;
  std::ifstream source(kDatabase + "/Europe/Berlin", std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(source), {}};
  std::string firstVersion = bytes;
  firstVersion[4] = '\0';
  std::string noRule = bytes.substr(0, bytes.rfind('\n', bytes.size() - 2)) + "\n\n";
  std::filesystem::create_directories(database.folder);
  for (auto [name, contents] : {std::pair{"first", firstVersion}, {"norule", noRule}}) {
    std::filesystem::path file = database.folder / name;
    std::ofstream(file, std::ios::binary) << contents;
    ScopedEnvironment environment({{"TZ", file.string()}});
    std::string seen;
    EXPECT_EQ(failuresAgainst(TimeZone::current(),
                              zavel::test::cLibraryZone(file.string(), k1970, k2050), seen),
              0)
        << name << "\n"
        << seen;
    // Summer 2045 has no change of its own: winter's offset stays.
    EXPECT_EQ(TimeZone::current().secondsFromGMT(*dateFromIso8601("2045-07-01T12:00:00Z")), 3600)
        << name;
  }
}

// Made-up names are remembered only up to a bound; past it, a real zone is still found.
TEST(TimeZone, AfterThousandsOfUnknownNamesARealZoneStillResolves) {
  OwnDatabase database;
  database.copy("Asia/Tokyo", "Late/Tokyo");
  ScopedEnvironment environment({{"TZDIR", database.folder.string()}});
  for (int i = 0; i < 6000; ++i)
    ASSERT_FALSE(TimeZone::named(fmt::format("Nowhere/Place{}", i)));
  ASSERT_TRUE(TimeZone::named("Late/Tokyo"));
  EXPECT_EQ(TimeZone::named("Late/Tokyo")->secondsFromGMT(*dateFromIso8601("2026-07-15T12:00:00Z")),
            9 * 3600);
}
