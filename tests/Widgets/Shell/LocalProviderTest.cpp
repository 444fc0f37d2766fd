#include "Widgets/Shell/LocalProvider.h"
#include "Widgets/Shell/ZavelWidget.h"

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Iso8601.h"
#include "kit/ui/LayoutTesting.h"
#include "kit/ui/UI.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <string>

namespace zavel {
namespace {

using kit::foundation::Clock;
using kit::foundation::Date;
using kit::widgets::TimelineContext;
using kit::widgets::WidgetFamily;

// A record whose live reading counts how often it was read.
struct Tally {
  int reads = 0;
  bool operator==(const Tally &) const = default;
  static constexpr auto jsonFields() {
    return std::tuple{kit::foundation::field("reads", &Tally::reads)};
  }
};

struct CountingProvider {
  int reads = 0;
  LocalProvider<Tally> provider(Date now, int refreshMinutes) {
    return {.sample = {-1},
            .live = [this] { return Tally{++reads}; },
            .refreshMinutes = refreshMinutes,
            .clock = Clock::fixed(now)};
  }
};

const TimelineContext onScreen = TimelineContext::of(WidgetFamily::systemSmall);
const TimelineContext inGallery = TimelineContext::of(WidgetFamily::systemSmall, true);
const CasingConfigIntent cream{CasingOption::cream};

TEST(LocalProvider, GalleryAndPlaceholderShowTheSampleEverythingElseOneLiveReading) {
  CountingProvider counting;
  Date now = *kit::foundation::dateFromIso8601("2026-03-02T10:00:00Z");
  LocalProvider<Tally> provider = counting.provider(now, 60);
  using Entry = ZavelEntry<Tally>;

  EXPECT_EQ(provider.placeholder(onScreen), (Entry{now, {-1}, CasingOption::followApp}));
  EXPECT_EQ(provider.snapshot(cream, inGallery), (Entry{now, {-1}, CasingOption::cream}));
  EXPECT_EQ(counting.reads, 0);

  EXPECT_EQ(provider.snapshot(cream, onScreen), (Entry{now, {1}, CasingOption::cream}));
  // A timeline reads the live record even when the host asks in a preview context.
  for (const TimelineContext &context : {onScreen, inGallery}) {
    int before = counting.reads;
    kit::widgets::Timeline<Entry> timeline = provider.timeline(cream, context);
    EXPECT_EQ(timeline.entries, (std::vector<Entry>{{now, {before + 1}, CasingOption::cream}}));
    EXPECT_EQ(counting.reads, before + 1);
  }
}

TEST(LocalProvider, ReloadsTheMinutesAfterTheRequestAsTheCalendarAddsThem) {
  auto calendar =
      kit::foundation::Calendar::gregorian(*kit::foundation::TimeZone::named("Europe/Berlin"));
  struct Case {
    const char *name;
    Date now;
    int minutes = 0;
    Date reload;
  };
  for (const Case &c : {
           Case{.name = "over midnight",
          .now = calendar.date(2026, 3, 2, 23, 30),
          .minutes = 60,
          .reload = calendar.date(2026, 3, 3, 0, 30)},
           // The clocks go from 02:00 to 03:00 that night.
           Case{.name = "into a skipped hour",
           .now = calendar.date(2026, 3, 29, 1, 50),
           .minutes = 15,
           .reload = calendar.date(2026, 3, 29, 3, 5)},
           Case{.name = "six hours",
           .now = calendar.date(2026, 3, 2, 9, 0),
           .minutes = 360,
           .reload = calendar.date(2026, 3, 2, 15, 0)},
       }) {
    CountingProvider counting;
    EXPECT_EQ(counting.provider(c.now, c.minutes).timeline(cream, onScreen).policy,
              kit::widgets::ReloadPolicy::after(c.reload))
        << c.name;
  }
}

// A face that shows the record's count.
kit::ui::View tallyFace(const ZavelEntry<Tally> &entry, const ZCtx &) {
  return kit::ui::Text(std::to_string(entry.data.reads));
}

TEST(ZavelWidget, DeclaresTheFamilyOfItsSizeNoMarginsAndItsLinkOnTheWholeWidget) {
  zavel::test::TempHome home;
  struct Case {
    ZavelSize size = ZavelSize::s;
    std::optional<std::string_view> link = std::nullopt;
    WidgetFamily family = WidgetFamily::systemSmall;
  };
  for (const Case &c : {Case{.size = ZavelSize::s, .link = std::nullopt},
                        Case{.size = ZavelSize::m,
                        .link = "zavelwidgets://open/notes",
                        .family = WidgetFamily::systemMedium},
                        Case{.size = ZavelSize::l, .family = WidgetFamily::systemLarge}}) {
    kit::widgets::AnyWidget widget = ZavelWidget<LocalProvider<Tally>>{
        .typeName = "TallyWidget",
        .kind = "zavel.tally",
        .size = c.size,
        .provider = {.sample = {7}, .live = [] { return Tally{3}; }},
        .face = tallyFace,
        .name = "Tally",
        .description = "Counts.",
        .link = c.link,
    };
    const kit::widgets::WidgetInfo &info = widget.info();
    EXPECT_EQ(info.family, c.family);
    EXPECT_TRUE(info.contentMarginsDisabled);
    EXPECT_EQ(std::string(info.kind + " " + info.typeName + " " + info.displayName + " " +
                          info.description),
              "zavel.tally TallyWidget Tally Counts.");
    kit::ui::LaidOutTree tree = kit::ui::testing::lay(
        widget.placeholder(TimelineContext::of(c.family)).view(), displaySize(c.family));
    EXPECT_TRUE(tree.root.findText("7"));
    EXPECT_TRUE(tree.containerBackground.has_value());
    EXPECT_EQ(tree.widgetURL, c.link ? std::optional<std::string>(*c.link) : std::nullopt);
  }
}

} // namespace
} // namespace zavel
