#include "Shared/Data/WidgetIntents/HabitToggleIntent.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"

#include "ActionTesting.h"

namespace zavel {
namespace {

using test::reloadedAndNotified;

const char *kRun = "0F8FAD5B-D9CB-469F-A165-70867728950E";

class HabitToggle : public test::ActionTest {};

TEST_F(HabitToggle, IdThatIsNoUUIDDoesNothingAtAll) {
  for (const char *id :
       {"", "not-a-uuid", "0F8FAD5B-D9CB-469F-A165-70867728950",
        "{0F8FAD5B-D9CB-469F-A165-70867728950E}", " 0F8FAD5B-D9CB-469F-A165-70867728950E"}) {
    EXPECT_EQ(HabitToggleIntent().habitID, "");
    HabitToggleIntent{.habitID = id}.perform(environment());
  }
  EXPECT_TRUE(log.events().empty());
  EXPECT_FALSE(stored(ExtrasStore::habitsKey));
}

TEST_F(HabitToggle, IdOfNoHabitReloadsWithoutWriting) {
  HabitToggleIntent{.habitID = kRun}.perform(environment());
  EXPECT_FALSE(stored(ExtrasStore::habitsKey));
  EXPECT_EQ(log.events(), reloadedAndNotified({"zavel.habits.week"}));
}

TEST_F(HabitToggle, LowerCaseIdChecksTheHabitInForToday) {
  ASSERT_TRUE(
      SharedSuite::writeData(ExtrasStore::habitsKey, std::string(R"([{"id":")") + kRun +
                                                         R"(","name":"Run","checkins":[]}])"));
  HabitToggleIntent{.habitID = "0f8fad5b-d9cb-469f-a165-70867728950e"}.perform(environment());
  auto habits = ExtrasStore::habits();
  ASSERT_EQ(habits.size(), 1u);
  EXPECT_EQ(habits[0].checkins, std::set<std::string>{"2025-03-05"});
  EXPECT_EQ(log.events(), reloadedAndNotified({"zavel.habits.week"}));
}

} // namespace
} // namespace zavel
