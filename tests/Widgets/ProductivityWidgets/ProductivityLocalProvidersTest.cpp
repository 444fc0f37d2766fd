#include "Widgets/ProductivityWidgets/ProductivityLocalProviders.h"
#include "Shared/Data/ExtrasProviders/QuoteProvider.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/MediaIntents/MediaBridge.h"
#include "Shared/Data/SharedSuite.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include "ProductivityWidgetsTesting.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::foundation::Clock;
using kit::foundation::Date;

const Date now = test::kRequest;
const CasingConfigIntent graphite{CasingOption::graphite};

// The one entry of the provider's timeline, after checking it reloads `minutes` later and that
// the gallery shows `sample`.
template <class T> T liveRecord(const LocalProvider<T> &provider, const T &sample, int minutes) {
  EXPECT_EQ(provider.snapshot(graphite, test::kInGallery).data, sample);
  auto timeline = provider.timeline(graphite, test::kOnScreen);
  EXPECT_EQ(timeline.policy, test::reloadAfter(now, minutes * 60.0));
  EXPECT_EQ(timeline.entries.size(), 1u);
  return timeline.entries.empty() ? T{} : timeline.entries.front().data;
}

TEST(ProductivityLocalProviders, StopwatchIsTheStoredOneElseStoppedHourly) {
  test::TempHome home;
  auto provider = StopwatchLocalProvider(home.path(), Clock::fixed(now));
  const StopwatchState &sample = StopwatchState::sample();
  EXPECT_EQ(sample.laps, (std::vector<double>{61.1, 133.4, 214.5}));
  EXPECT_EQ(liveRecord(provider, sample, 60), StopwatchState{});
  StopwatchState running{now.addingTimeInterval(-30), {12.5}};
  ASSERT_TRUE(ExtrasStore::write(ExtrasStore::stopwatchKey, running));
  EXPECT_EQ(liveRecord(provider, sample, 60), running);
  // A record of another form is as good as none.
  ASSERT_TRUE(SharedSuite::writeData(ExtrasStore::stopwatchKey, R"({"laps": "none"})"));
  EXPECT_EQ(liveRecord(provider, sample, 60), StopwatchState{});
}

TEST(ProductivityLocalProviders, QuoteIsTheDaysQuotationEverySixHours) {
  test::ScopedLocaleAndZone zone{"en_GB", "Europe/London"};
  const QuoteItem &first = QuoteProvider::quotations().front();
  EXPECT_EQ(first.text, "Simplicity is the ultimate sophistication.");
  for (Date day : {now, now.addingTimeInterval(86400)}) {
    auto provider = QuoteLocalProvider(Clock::fixed(day));
    EXPECT_EQ(provider.snapshot(graphite, test::kInGallery).data, first);
    auto timeline = provider.timeline(graphite, test::kOnScreen);
    EXPECT_EQ(timeline.entries.front().data, QuoteProvider::today(day));
    EXPECT_EQ(timeline.policy, test::reloadAfter(day, 360 * 60.0));
  }
  EXPECT_NE(QuoteProvider::today(now), QuoteProvider::today(now.addingTimeInterval(86400)));
}

TEST(ProductivityLocalProviders, InboxIsTheSharedRecordElseUnconnectedEveryQuarterHour) {
  test::TempHome home;
  auto provider = InboxLocalProvider(home.path(), Clock::fixed(now));
  const InboxSnapshot &sample = InboxSnapshot::zavelSample();
  EXPECT_EQ(sample.unread, 3);
  EXPECT_TRUE(sample.connected);
  const InboxSnapshot unconnected{0, std::nullopt, std::nullopt, false, now};
  EXPECT_EQ(liveRecord(provider, sample, 15), unconnected);
  InboxSnapshot shared{7, "Ada — Hello", now.addingTimeInterval(-60), true,
                       now.addingTimeInterval(-30)};
  ASSERT_TRUE(SharedSuite::write(MediaBridge::inboxKey, shared));
  EXPECT_EQ(liveRecord(provider, sample, 15), shared);
  // A record without "connected" does not decode, and reads as none.
  ASSERT_TRUE(SharedSuite::writeData(MediaBridge::inboxKey, R"({"unread": 4, "updated": 0})"));
  EXPECT_EQ(liveRecord(provider, sample, 15), unconnected);
}

} // namespace
} // namespace zavel
