#include "Shared/Data/ExtraModels/AirQualitySnapshot.h"
#include "Shared/Data/ExtraModels/DaylightInfo.h"
#include "Shared/Data/ExtraModels/FocusSession.h"
#include "Shared/Data/ExtraModels/HabitItem.h"
#include "Shared/Data/ExtraModels/HabitWeekRow.h"
#include "Shared/Data/ExtraModels/InboxSnapshot.h"
#include "Shared/Data/ExtraModels/MoonInfo.h"
#include "Shared/Data/ExtraModels/NowPlayingSnapshot.h"
#include "Shared/Data/ExtraModels/StockSnapshot.h"
#include "Shared/Data/ExtraModels/StopwatchState.h"
#include "Shared/Data/ExtraModels/YearInfo.h"

#include "kit/foundation/Calendar.h"
#include "support/RecordForm.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kit::foundation;
using namespace zavel;
using test::expectJsonForm;

namespace {

constexpr int64_t kMaxInt = std::numeric_limits<int64_t>::max();
constexpr int64_t kMinInt = std::numeric_limits<int64_t>::min();

Date utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return Calendar::gregorian(TimeZone::utc()).date(year, month, day, hour, minute, second);
}

} // namespace

TEST(ExtraRecords, JsonFormsAsTheHostWritesThem) {
  expectJsonForm(R"({"minutes":50,"endDate":760000900})", FocusSession{Date{760000900}, 50},
                 {"endDate"});
  expectJsonForm(R"({"startDate":759999712.7,"laps":[61.1,133.4]})",
                 StopwatchState{Date{759999712.7}, {61.1, 133.4}}, {"startDate"});
  expectJsonForm(R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","name":"Stretch",
                     "checkins":["2025-03-03","2025-03-04"]})",
                 HabitItem{*UUID::fromString("0F8FAD5B-D9CB-469F-A165-70867728950E"),
                           "Stretch",
                           {"2025-03-03", "2025-03-04"}},
                 {});
  expectJsonForm(R"({"phaseName":"Waxing Gibbous","illuminated":0.82,"waxing":true,
                     "daysToFull":3,"daysToNew":18})",
                 MoonInfo{"Waxing Gibbous", 0.82, true, 3, 18}, {});
  expectJsonForm(R"({"sunrise":760000000,"sunset":760056000.5,"place":"Lisbon",
                     "timeZoneID":"Europe/Lisbon"})",
                 DaylightInfo{Date{760000000}, Date{760056000.5}, "Lisbon", "Europe/Lisbon"},
                 {"timeZoneID"});
  expectJsonForm(
      R"({"updated":760000000.25,"isPlaying":true,"durationSeconds":245,
                     "positionSeconds":192,"artist":"The Night Ferries","title":"Harbour Lights"})",
      NowPlayingSnapshot{"Harbour Lights", "The Night Ferries", 192, 245, true, Date{760000000.25}},
      {});
  expectJsonForm(
      R"({"unread":12,"connected":true,"updated":760000000,
                     "latestPreview":"Ines — Proofs\nTomas — Booking","latestDate":759999000.5})",
      InboxSnapshot{12, "Ines — Proofs\nTomas — Booking", Date{759999000.5}, true, Date{760000000}},
      {"latestPreview", "latestDate"});
  expectJsonForm(
      R"({"symbol":"MSFT","price":411,"changePercent":0.35,"updated":-20.5,
                     "points":[{"value":409.5,"label":"10AM"},{"value":410}]})",
      StockSnapshot{"MSFT", 411, 0.35, {{409.5, "10AM"}, {410, std::nullopt}}, Date{-20.5}}, {});
  expectJsonForm(R"({"aqi":57,"updated":760000000})", AirQualitySnapshot{57, Date{760000000}}, {});
}

// The samples stand in for the stored list until a check-in (from any process) stores them.
TEST(HabitItem, SampleHabitsHaveFixedIdsThatTheSampleRowsShare) {
  std::string ids;
  for (size_t index = 0; index < HabitItem::samples().size(); ++index) {
    ids += HabitItem::samples()[index].id.uuidString() + " ";
    EXPECT_EQ(HabitWeekRow::samples().at(index).id, HabitItem::samples()[index].id);
  }
  EXPECT_EQ(ids, "B7BCFDAB-41A1-4561-B65F-9F3E489C5A9A D7A41609-6DF6-415E-A589-01E1CE06DDF6 "
                 "49A550D3-1194-4CB1-8ABE-94184BAB8674 ");
}
TEST(NowPlayingSnapshot, TrackIntervalRunsFromTheTrackStartOverItsLength) {
  using Interval = NowPlayingSnapshot::Interval;
  struct Case {
    int64_t position, duration;
    std::optional<Interval> interval;
  } cases[] = {
      {kMaxInt, kMinInt, std::nullopt},
      {300, 245, Interval{Date{700}, Date{945}}}, // past its end: still the track's length
      {-10, 60, Interval{Date{1010}, Date{1070}}},
      // So far back that the length is lost in the date's precision: no span at all.
      {kMaxInt, 245, std::nullopt},
  };
  for (const auto &c : cases) {
    NowPlayingSnapshot snapshot{"T", "A", c.position, c.duration, true, Date{1000}};
    EXPECT_EQ(snapshot.trackInterval(), c.interval) << c.position << " " << c.duration;
  }
}

TEST(AirQualitySnapshot, CategoryIsTheBandOfTheIndex) {
  auto category = [](int64_t aqi) { return AirQualitySnapshot{aqi, Date{}}.category(); };
  EXPECT_EQ(category(kMinInt) + " " + category(50) + " " + category(51) + " " + category(kMaxInt),
            "Good Good Moderate Hazardous");
}

TEST(MoonInfo, DetailCountsDownToTheNextFullOrNewMoon) {
  EXPECT_EQ(MoonInfo({"", 1, false, 0, 14}).detail() + "|" +
                MoonInfo({"", 0.5, true, 3, 18}).detail() + "|" +
                MoonInfo({"", 0.5, false, 3, 18}).detail(),
            "Full moon tonight|Full in 3 days|New in 18 days");
}

TEST(DaylightInfo, LengthInWholeHoursAndMinutesAndThePlacesZoneElseTheCurrentOne) {
  constexpr double kFar = 1e300;
  struct Case {
    Date sunrise, sunset;
    const char *label;
  } cases[] = {
      {utc(2025, 6, 1, 6), utc(2025, 6, 1, 18, 0, 59), "12H 0M"},
      {Date{9000}, Date{0}, "-2H -30M"},
      // Apart by more minutes than a 64-bit count holds: held at the largest count.
      {Date{-kFar}, Date{kFar}, "153722867280912930H 7M"},
      {Date{std::numeric_limits<double>::quiet_NaN()}, Date{0}, "0H 0M"},
  };
  for (const auto &c : cases)
    EXPECT_EQ((DaylightInfo{c.sunrise, c.sunset, "X", std::nullopt}.lengthLabel()), c.label);

  test::ScopedLocaleAndZone fixed("en_GB", "America/Chicago");
  std::pair<std::optional<std::string>, const char *> zones[] = {
      {"Asia/Tokyo", "Asia/Tokyo"}, {std::nullopt, "America/Chicago"}, {"", "America/Chicago"}};
  for (const auto &[id, zone] : zones)
    EXPECT_EQ((DaylightInfo{Date{}, Date{}, "X", id}.placeTimeZone().identifier()), zone);
}

TEST(YearInfo, CurrentGivesTheYearTheDayInItAndItsLengthInTheCurrentCalendarAndZone) {
  EXPECT_EQ(YearInfo::current(utc(2024, 12, 31, 23, 59, 59), Calendar::gregorian(TimeZone::utc())),
            (YearInfo{2024, 366, 366}));
  // 31 December 2024, 20:00 UTC: already 2025 in Tokyo.
  Date date = utc(2024, 12, 31, 20);
  test::ScopedLocaleAndZone tokyo("en_US", "Asia/Tokyo");
  EXPECT_EQ(YearInfo::current(date), (YearInfo{2025, 1, 365}));
}
