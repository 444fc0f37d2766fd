#include "Shared/Data/ExtraModels/CounterSnapshot.h"
#include "Shared/Data/ExtraModels/FocusSession.h"
#include "Shared/Data/ExtraModels/HabitItem.h"
#include "Shared/Data/ExtraModels/HabitWeekRow.h"
#include "Shared/Data/ExtraModels/StopwatchState.h"

#include "kit/foundation/Clock.h"
#include "support/RecordCoding.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kit::foundation;
using namespace zavel;
using namespace zavel::test;

namespace {

const char *kHabitId = "0f8fad5b-d9cb-469f-a165-70867728950e";
const UUID habitId = *UUID::fromString(kHabitId);

const std::string kFocus = R"({"minutes":50,"endDate":760000900})";
const std::string kStopwatch = R"({"startDate":759999712.7,"laps":[61.1,133.4]})";
const std::string kHabit = std::string(R"({"id":")") + kHabitId +
                           R"(","name":"Stretch","checkins":["2025-03-04","2025-03-03",
                               "2025-03-04"]})";
const std::string kWeekRow =
    std::string(R"({"id":")") + kHabitId + R"(","name":"Stretch","done":2,"total":7})";
const std::string kCounter = R"({"value":6,"goal":8})";

} // namespace

TEST(ProductivityRecords, JsonReadsAndRecordsWriteTheirMembers) {
  expectJsonForm(kFocus, FocusSession{Date{760000900}, 50},
                 R"({"endDate":760000900.0,"minutes":50})");
  expectJsonForm(R"({"minutes":25})", FocusSession{std::nullopt, 25}, R"({"minutes":25})");
  expectJsonForm(kStopwatch, StopwatchState{Date{759999712.7}, {61.1, 133.4}},
                 R"({"startDate":759999712.7,"laps":[61.1,133.4]})");
  expectJsonForm(R"({"laps":[],"startDate":null})", StopwatchState{std::nullopt, {}},
                 R"({"laps":[]})");
  // A day checked in twice is one check-in.
  expectJsonForm(kHabit, HabitItem{habitId, "Stretch", {"2025-03-03", "2025-03-04"}},
                 R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","name":"Stretch",
                     "checkins":["2025-03-03","2025-03-04"]})");
  expectJsonForm(kWeekRow, HabitWeekRow{habitId, "Stretch", 2, 7},
                 R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","name":"Stretch","done":2,
                     "total":7})");
  expectJsonForm(kCounter, CounterSnapshot{6, 8}, kCounter);
}

TEST(ProductivityRecords, AMissingOrMistypedRequiredMemberMakesTheRecordUnreadable) {
  expectEachChangeRejected<FocusSession>(kFocus,
                                         {removed("minutes"), replaced("minutes", 25.5),
                                          replaced("minutes", "25"), replaced("endDate", "soon")});
  expectEachChangeRejected<StopwatchState>(
      kStopwatch,
      {removed("laps"), replaced("laps", nullptr), replaced("laps", 61.1),
       replaced("laps", Json::parse(R"([61.1,"133.4"])")), replaced("startDate", true)});
  expectEachChangeRejected<HabitItem>(kHabit,
                                      {removed("id"), removed("name"), removed("checkins"),
                                       replaced("id", "0f8fad5b-d9cb-469f-a165"), replaced("id", 7),
                                       replaced("checkins", "2025-03-04"),
                                       replaced("checkins", Json::parse("[20250304]"))});
  expectEachChangeRejected<HabitWeekRow>(kWeekRow, {removed("id"), removed("name"), removed("done"),
                                                    removed("total"), replaced("done", 2.5),
                                                    replaced("total", "7"), replaced("id", "Run")});
  expectEachChangeRejected<CounterSnapshot>(
      kCounter,
      {removed("value"), removed("goal"), replaced("value", 1e19), replaced("goal", false)});
  // One bad habit makes the whole list unreadable.
  EXPECT_FALSE(decodeJsonData<std::vector<HabitItem>>("[" + kHabit + R"(,{"name":"Read"}])"));
}

TEST(ProductivityRecords, LapsThatAreNotFiniteCannotBeWritten) {
  EXPECT_FALSE(
      encodeJsonData(StopwatchState{Date{1}, {1, std::numeric_limits<double>::infinity()}}));
  EXPECT_FALSE(
      encodeJsonData(StopwatchState{std::nullopt, {std::numeric_limits<double>::quiet_NaN()}}));
}

TEST(StopwatchState, RunsExactlyWhileItHasAStart) {
  EXPECT_FALSE((StopwatchState{std::nullopt, {12}}.isRunning()));
  EXPECT_TRUE((StopwatchState{Date{0}, {}}.isRunning()));
}

TEST(ProductivityRecords, SamplesAreBuiltOnceWithTheirValues) {
  const auto &focus = FocusSession::sample();
  const auto &stopwatch = StopwatchState::sample();
  auto now = systemNow(); // not before their first use
  EXPECT_EQ(&focus, &FocusSession::sample());
  EXPECT_EQ(focus.minutes, 25);
  ASSERT_TRUE(focus.endDate);
  EXPECT_LE(*focus.endDate, now.addingTimeInterval(932));

  EXPECT_EQ(&stopwatch, &StopwatchState::sample());
  ASSERT_TRUE(stopwatch.isRunning());
  EXPECT_LE(*stopwatch.startDate, now.addingTimeInterval(-287.3));
  EXPECT_EQ(stopwatch.laps, (std::vector<double>{61.1, 133.4, 214.5}));
}

// The sample habits stand in for the stored list until the first check-in stores them, and that
// check-in may come from any later process: their ids are the same in every process and release.
TEST(HabitItem, SampleHabitsHaveFixedIdsThatTheSampleRowsShare) {
  const auto &habits = HabitItem::samples();
  EXPECT_EQ(&habits, &HabitItem::samples());
  std::vector<std::tuple<std::string, std::string, size_t>> seen;
  for (const auto &habit : habits)
    seen.emplace_back(habit.id.uuidString(), habit.name, habit.checkins.size());
  EXPECT_EQ(seen, (decltype(seen){{"B7BCFDAB-41A1-4561-B65F-9F3E489C5A9A", "Run", 0},
                                  {"D7A41609-6DF6-415E-A589-01E1CE06DDF6", "Read", 0},
                                  {"49A550D3-1194-4CB1-8ABE-94184BAB8674", "No sugar", 0}}));

  const auto &rows = HabitWeekRow::samples();
  EXPECT_EQ(&rows, &HabitWeekRow::samples());
  EXPECT_EQ(rows, (std::vector<HabitWeekRow>{{habits[0].id, "Run", 7, 7},
                                             {habits[1].id, "Read", 5, 7},
                                             {habits[2].id, "No sugar", 2, 7}}));
}
