#include "Shared/Data/ClockFormat.h"

#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/Iso8601.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <optional>

using namespace kit::foundation;
using zavel::test::ScopedLocaleAndZone;
using zavel::test::TempHome;
namespace ClockFormat = zavel::ClockFormat;

namespace {

Date at(const char *iso) { return *dateFromIso8601(iso); }

TimeZone zone(const char *name) { return *TimeZone::named(name); }

void storeTimeFormat(int64_t value) {
  ASSERT_TRUE(zavel::SharedSuite::open().set(ClockFormat::timeFormatKey, value));
}

} // namespace

TEST(ClockFormat, StoredChoiceWinsAndAnythingElseFollowsTheLocale) {
  const std::tuple<std::optional<int64_t>, const char *, bool> cases[] = {
      {12, "de_DE", false},
      {24, "en_US", true},
      {std::nullopt, "en_US", false},             // "h a"
      {0, "de_DE", true},                         // "HH 'Uhr'"
      {13, "ja_JP", true},                        // not a choice; "H時"
      {std::nullopt, "en-US-u-hc-h24", true},     // "kk"
      {std::nullopt, "en-US-u-hc-h11", false},    // "K a"
      {std::nullopt, "C", false},                 // en_US_POSIX: "h a"
      {std::nullopt, "unreadablelanguage", true}, // no pattern at all
  };
  for (const auto &[stored, name, expected] : cases) {
    TempHome home;
    ScopedLocaleAndZone locale(name, "UTC");
    if (stored)
      storeTimeFormat(*stored);
    EXPECT_EQ(ClockFormat::uses24Hour(), expected) << name << " " << stored.value_or(-1);
  }
}

TEST(ClockFormat, HoursAndMinutesInTheZoneByTheChoiceReadAgainOnEveryCall) {
  TempHome home;
  ScopedLocaleAndZone locale("de_DE", "UTC");
  // 00:30 and 13:05 in Kolkata.
  for (auto [utc, choice, hh, mm] : {std::tuple{"2024-03-31T19:00:00Z", 12, "12", "30"},
                                     {"2024-03-31T07:35:00Z", 12, "01", "05"},
                                     {"2024-03-31T19:00:00Z", 24, "00", "30"},
                                     {"2024-03-31T07:35:00Z", 24, "13", "05"}}) {
    storeTimeFormat(choice);
    EXPECT_EQ(ClockFormat::hhmm(at(utc), zone("Asia/Kolkata")), std::string(hh) + ":" + mm) << utc;
    EXPECT_EQ(ClockFormat::parts(at(utc), zone("Asia/Kolkata")), (ClockFormat::Parts{hh, mm}))
        << utc;
  }
}

TEST(ClockFormat, EachZoneKeepsItsOwnTextWhenFormattersAreKept) {
  TempHome home;
  ScopedLocaleAndZone locale("en_GB", "UTC");
  storeTimeFormat(24);
  const Date date = at("2024-07-01T10:15:00Z");
  // Asked back and forth, so a formatter kept for one zone would show in the next.
  for (int round = 0; round < 2; ++round) {
    for (auto [name, text] : {std::pair{"Asia/Kolkata", "15:45"},
                              {"America/New_York", "06:15"},
                              {"Asia/Kolkata", "15:45"},
                              {"Pacific/Chatham", "23:00"}}) {
      EXPECT_EQ(ClockFormat::hhmm(date, zone(name)), text) << name;
      EXPECT_EQ(ClockFormat::formatted("HH:mm", date, zone(name)), text) << name;
    }
  }
}

TEST(ClockFormat, DatesAreEnglishWhateverTheLocale) {
  TempHome home;
  for (const char *locale : {"de_DE", "ar_EG"}) {
    ScopedLocaleAndZone scoped(locale, "America/Los_Angeles");
    // 23:30 on Sunday in UTC is already Monday in Berlin.
    Date date = at("2025-02-02T23:30:00Z");
    EXPECT_EQ(ClockFormat::formatted("EEE d MMM", date, zone("Europe/Berlin")), "Mon 3 Feb")
        << locale;
    EXPECT_EQ(ClockFormat::formatted("EEEE d MMMM", date, TimeZone::utc()), "Sunday 2 February")
        << locale;
    storeTimeFormat(24);
    EXPECT_EQ(ClockFormat::hhmm(date, zone("Europe/Berlin")), "00:30") << locale;
  }
}

TEST(ClockFormat, GmtLabelsShowHoursAndWholeMinutes) {
  const Date winter = at("2024-01-15T12:00:00Z");
  for (auto [name, date, label] : {std::tuple{"UTC", winter, "GMT+0"},
                                   {"GMT+05:30", winter, "GMT+5:30"},
                                   {"GMT-00:30", winter, "GMT-0:30"},
                                   {"GMT-01:01:59", winter, "GMT-1:01"},
                                   {"America/New_York", winter, "GMT-5"}, // daylight saving counts
                                   {"America/New_York", at("2024-07-15T12:00:00Z"), "GMT-4"}})
    EXPECT_EQ(ClockFormat::gmtLabel(zone(name), date), label) << name;
}

TEST(ClockFormat, CityCodesFromTheTableOrTheCityName) {
  for (auto [name, code] : {std::pair{"America/Sao_Paulo", "SAO"},
                            {"America/Argentina/Buenos_Aires", "BUE"},
                            {"Etc/GMT+5", "GMT"}})
    EXPECT_EQ(ClockFormat::cityCode(zone(name)), code) << name;
}
