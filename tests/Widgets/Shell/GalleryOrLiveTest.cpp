#include "Widgets/Shell/GalleryOrLive.h"

#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "kit/widgets/TimelineProvider.h"

#include <gtest/gtest.h>

#include <memory>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::widgets::TimelineContext;
using kit::widgets::WidgetFamily;

// What a reading gave: its number and the moment it was asked for.
struct Reading {
  int number = 0;
  Date at;
  bool operator==(const Reading &) const = default;
};
using Entry = ZavelEntry<Reading>;

// A source whose clock moves a second at every reading and whose live data counts its readings.
struct CountingSource {
  using Intent = CasingConfigIntent;
  using Data = Reading;

  std::shared_ptr<int> seconds = std::make_shared<int>(0);
  std::shared_ptr<int> reads = std::make_shared<int>(0);

  Date now() const { return Date{double(++*seconds)}; }
  static Reading sample() { return {-1, Date{}}; }
  Reading live(const Intent &, Date at) const { return {++*reads, at}; }
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration) const {
    Date at = now();
    return {{{at, live(configuration, at), configuration.casing}},
            kit::widgets::ReloadPolicy::atEnd()};
  }
};
using CountingProvider = GalleryOrLiveProvider<CountingSource>;
static_assert(kit::widgets::TimelineProvider<CountingProvider>);

const TimelineContext onScreen = TimelineContext::of(WidgetFamily::systemSmall);
const TimelineContext inGallery = TimelineContext::of(WidgetFamily::systemSmall, true);
const CasingConfigIntent cream{CasingOption::cream};

TEST(GalleryOrLiveProvider, TheGalleryShowsTheSampleUnreadTheDesktopAndEveryTimelineTheLiveData) {
  CountingProvider provider;
  EXPECT_EQ(provider.placeholder(onScreen),
            (Entry{Date{1}, {-1, Date{}}, CasingOption::followApp}));
  EXPECT_EQ(provider.snapshot(cream, inGallery), (Entry{Date{2}, {-1, Date{}}, cream.casing}));
  EXPECT_EQ(*provider.reads, 0);

  // One reading of the clock: the live data is read at the entry's own date.
  EXPECT_EQ(provider.snapshot(cream, onScreen), (Entry{Date{3}, {1, Date{3}}, cream.casing}));
  EXPECT_EQ(*provider.reads, 1);

  // Asked in a preview context, a timeline still shows what the source reads.
  for (const TimelineContext &context : {onScreen, inGallery}) {
    int before = *provider.reads;
    auto entries = provider.timeline(cream, context).entries;
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].data.number, before + 1);
    EXPECT_EQ(entries[0].data.at, entries[0].date);
  }
}

} // namespace
} // namespace zavel
