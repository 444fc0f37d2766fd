#include "Widgets/ProductivityWidgets/FocusProvider.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "support/TempHome.h"

#include "ProductivityWidgetsTesting.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace zavel {
namespace {

using kit::foundation::Clock;
using kit::foundation::Date;

const Date now = test::kRequest;
const CasingConfigIntent cream{CasingOption::cream};

// Seconds from `now` of each whole minute below `minutes`, then `end`.
std::vector<double> minutesThen(int minutes, double end) {
  std::vector<double> offsets;
  for (int minute = 0; minute < minutes; ++minute)
    offsets.push_back(minute * 60.0);
  offsets.push_back(end);
  return offsets;
}

TEST(FocusProvider, AnEntryAMinuteWhileASessionRunsOneOtherwise) {
  struct Case {
    const char *name;
    std::optional<FocusSession> stored;
    std::vector<double> entries; // seconds after now
    double reload = 0;           // seconds after now
  };
  const FocusSession idle{std::nullopt, 25};
  for (const Case &c : {
           Case{.name = "nothing stored", .stored = std::nullopt, .entries = {0}, .reload = 3600},
           Case{.name = "25 minutes from now",
           .stored = FocusSession{now.addingTimeInterval(1500), 25},
           .entries = minutesThen(25, 1500),
           .reload = 1500 + 900},
           Case{.name = "90 minutes: an hour of minutes, then the end",
           .stored = FocusSession{now.addingTimeInterval(5400), 90},
           .entries = minutesThen(60, 5400),
           .reload = 5400 + 900},
           Case{.name = "ending within the minute",
           .stored = FocusSession{now.addingTimeInterval(30), 25},
           .entries = {0, 30},
           .reload = 930},
           Case{.name = "ended five minutes ago",
           .stored = FocusSession{now.addingTimeInterval(-300), 25},
           .entries = {0},
           .reload = 3600},
           Case{.name = "stopped", .stored = idle, .entries = {0}, .reload = 3600},
       }) {
    test::TempHome home;
    if (c.stored) {
      ASSERT_TRUE(ExtrasStore::write(ExtrasStore::focusKey, *c.stored));
    }
    FocusSession shown = c.stored.value_or(idle);
    auto timeline = FocusProvider{home.path(), Clock::fixed(now)}.timeline(cream, test::kOnScreen);
    std::vector<FocusEntry> expected;
    for (double offset : c.entries)
      expected.push_back({now.addingTimeInterval(offset), shown, CasingOption::cream});
    EXPECT_EQ(timeline.entries, expected) << c.name;
    EXPECT_EQ(timeline.policy, test::reloadAfter(now, c.reload)) << c.name;
  }
}

TEST(FocusProvider, TheGalleryShowsTheSampleAnyOtherSnapshotTheStoredSession) {
  test::TempHome home;
  FocusProvider provider{home.path(), Clock::fixed(now)};
  EXPECT_EQ(provider.snapshot(cream, test::kOnScreen),
            (FocusEntry{now, {std::nullopt, 25}, cream.casing}));
  FocusSession running{now.addingTimeInterval(600), 50};
  ASSERT_TRUE(ExtrasStore::write(ExtrasStore::focusKey, running));
  EXPECT_EQ(provider.snapshot(cream, test::kOnScreen), (FocusEntry{now, running, cream.casing}));
  EXPECT_EQ(provider.snapshot(cream, test::kInGallery),
            (FocusEntry{now, FocusSession::sample(), cream.casing}));
  EXPECT_EQ(provider.placeholder(test::kOnScreen),
            (FocusEntry{now, FocusSession::sample(), CasingOption::followApp}));
  EXPECT_EQ(FocusSession::sample().minutes, 25);
}

} // namespace
} // namespace zavel
