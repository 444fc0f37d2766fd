#include "Shared/Data/ExtraModels/FocusSession.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/WidgetIntents/FocusResetIntent.h"
#include "Shared/Data/WidgetIntents/FocusToggleIntent.h"

#include "ActionTesting.h"

#include <cmath>
#include <limits>

namespace zavel {
namespace {

using kit::foundation::Date;
using test::reloadedAndNotified;

class FocusIntents : public test::ActionTest {
protected:
  static std::optional<FocusSession> focus() {
    return SharedSuite::read<FocusSession>(ExtrasStore::focusKey);
  }
  static void storeFocus(const FocusSession &session) {
    ASSERT_TRUE(SharedSuite::write(ExtrasStore::focusKey, session));
  }
};

TEST_F(FocusIntents, StartStopKeyStartsFromTheSessionLengthAndStopsARunningSession) {
  FocusToggleIntent{}.perform(environment());
  EXPECT_EQ(focus(), (FocusSession{now.addingTimeInterval(25 * 60), 25}));
  FocusToggleIntent{}.perform(at(now.addingTimeInterval(60)));
  EXPECT_EQ(focus(), (FocusSession{std::nullopt, 25}));
  auto once = reloadedAndNotified({"zavel.focus.timer"});
  EXPECT_EQ(log.events(), (std::vector<std::string>{once[0], once[1], once[0], once[1]}));
}

TEST_F(FocusIntents, SessionWhoseEndIsNotAheadStartsAgain) {
  struct Case {
    FocusSession stored;
    std::optional<Date> end;
  };
  const double maxMinutes = static_cast<double>(std::numeric_limits<int64_t>::max());
  const Case cases[] = {
      {{ago(3600), 50}, now.addingTimeInterval(50 * 60)},
      {{now, 30}, now.addingTimeInterval(30 * 60)}, // ends this very moment
      {{std::nullopt, 0}, now},                     // a length of 0 ends at once
      {{ago(1), -10}, now.addingTimeInterval(-600)},
      {{std::nullopt, std::numeric_limits<int64_t>::max()},
       now.addingTimeInterval(maxMinutes * 60)},
  };
  for (const auto &c : cases) {
    storeFocus(c.stored);
    FocusToggleIntent{}.perform(environment());
    auto after = focus();
    ASSERT_TRUE(after);
    EXPECT_EQ(after->endDate, c.end) << c.stored.minutes;
    EXPECT_EQ(after->minutes, c.stored.minutes);
  }
  // An end already reached reads as stopped, so the next press starts again.
  storeFocus({std::nullopt, 0});
  FocusToggleIntent{}.perform(environment());
  FocusToggleIntent{}.perform(environment());
  EXPECT_EQ(focus(), (FocusSession{now, 0}));
}

TEST_F(FocusIntents, UnreadableSessionIsReplacedByTheDefaultOne) {
  ASSERT_TRUE(SharedSuite::writeData(ExtrasStore::focusKey, R"({"endDate":5})"));
  FocusToggleIntent{}.perform(environment());
  EXPECT_EQ(focus(), (FocusSession{now.addingTimeInterval(25 * 60), 25}));
}

TEST_F(FocusIntents, ResetStopsAndAlwaysLeavesARecord) {
  FocusResetIntent{}.perform(environment());
  EXPECT_EQ(focus(), (FocusSession{std::nullopt, 25}));
  storeFocus({now.addingTimeInterval(600), 40});
  FocusResetIntent{}.perform(environment());
  EXPECT_EQ(focus(), (FocusSession{std::nullopt, 40}));
  auto once = reloadedAndNotified({"zavel.focus.timer"});
  EXPECT_EQ(log.events(), (std::vector<std::string>{once[0], once[1], once[0], once[1]}));
}

} // namespace
} // namespace zavel
