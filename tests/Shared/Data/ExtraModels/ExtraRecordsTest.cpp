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

#include "support/RecordForm.h"

#include <gtest/gtest.h>

using namespace kit::foundation;
using namespace zavel;
using test::expectJsonForm;

namespace {
const UUID habitId = *UUID::fromString("0F8FAD5B-D9CB-469F-A165-70867728950E");
}

TEST(ExtraRecords, JsonFormsAsTheHostWritesThem) {
  expectJsonForm(R"({"minutes":50,"endDate":760000900})", FocusSession{Date{760000900}, 50},
                 {"endDate"});
  expectJsonForm(R"({"startDate":759999712.7,"laps":[61.1,133.4]})",
                 StopwatchState{Date{759999712.7}, {61.1, 133.4}}, {"startDate"});
  expectJsonForm(R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","name":"Stretch",
                     "checkins":["2025-03-03","2025-03-04"]})",
                 HabitItem{habitId, "Stretch", {"2025-03-03", "2025-03-04"}}, {});
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

// The sample habits stand in for the stored list until the first check-in stores them, and that
// check-in may come from any later process: their ids are the same in every process and release.
TEST(HabitItem, SampleHabitsHaveFixedIdsThatTheSampleRowsShare) {
  const auto &habits = HabitItem::samples();
  std::vector<std::string> ids;
  for (const auto &habit : habits)
    ids.push_back(habit.id.uuidString());
  EXPECT_EQ(ids, (std::vector<std::string>{"B7BCFDAB-41A1-4561-B65F-9F3E489C5A9A",
                                           "D7A41609-6DF6-415E-A589-01E1CE06DDF6",
                                           "49A550D3-1194-4CB1-8ABE-94184BAB8674"}));
  for (size_t index = 0; index < habits.size(); ++index)
    EXPECT_EQ(HabitWeekRow::samples().at(index).id, habits[index].id);
}
