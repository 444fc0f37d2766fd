#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/WidgetIntents/AddStepsIntent.h"
#include "Shared/Data/WidgetIntents/AddWaterIntent.h"

#include "ActionTesting.h"

namespace zavel {
namespace {

using kit::foundation::DefaultsValue;
using test::reloadedAndNotified;

class CounterIntents : public test::ActionTest {};

TEST_F(CounterIntents, WaterKeyAddsAGlassToToday) {
  AddWaterIntent{}.perform(environment());
  AddWaterIntent{}.perform(environment());
  EXPECT_EQ(stored("zavel.counter.water.2025-03-05"), DefaultsValue(int64_t{2}));
  auto once = reloadedAndNotified({"zavel.water"});
  EXPECT_EQ(log.events(), (std::vector<std::string>{once[0], once[1], once[0], once[1]}));
}

TEST_F(CounterIntents, StepsKeyAddsItsStepsNeverBelowZero) {
  EXPECT_EQ(AddStepsIntent().steps, 1000);
  AddStepsIntent{}.perform(environment());
  store("zavel.counter.steps.2025-03-05", int64_t{1500});
  AddStepsIntent{.steps = -2000}.perform(environment());
  EXPECT_EQ(stored("zavel.counter.steps.2025-03-05"), DefaultsValue(int64_t{0}));
  AddStepsIntent{}.perform(environment());
  EXPECT_EQ(stored("zavel.counter.steps.2025-03-05"), DefaultsValue(int64_t{1000}));
  EXPECT_EQ(log.events().size(), 6u);
  EXPECT_EQ(log.events().front(), "reload zavel.steps");
}

} // namespace
} // namespace zavel
