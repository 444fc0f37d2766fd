#include "host/TestBundle.h"

#include "Shared/Data/AppGroup.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/AtomicFile.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/notifications/DistributedNotificationCenter.h"
#include "kit/intents/AppIntent.h"
#include "kit/intents/Parameter.h"
#include "kit/ui/UI.h"
#include "kit/widgets/AppIntentConfiguration.h"
#include "kit/widgets/WidgetCenter.h"

#include <string>

namespace zavel::host::testing {
namespace {

using namespace kit::ui;

// Where the timeline starts: 2025-03-01T09:30:00Z.
constexpr kit::foundation::Date kFirstEntry{762514200};

struct TallyConfigIntent {
  static constexpr std::string_view typeName = "TallyConfigIntent";
  static constexpr std::string_view title = "Tally Options";
  std::string label = "Cups";
  int64_t step = 1;
  static constexpr auto parameters() {
    return std::tuple{kit::intents::parameter("label", "Label", &TallyConfigIntent::label),
                      kit::intents::parameter("step", "Step", &TallyConfigIntent::step)};
  }
};

struct TallyData {
  std::string label;
  int64_t count = 0;
  int64_t step = 1;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("label", &TallyData::label), field("count", &TallyData::count),
                      field("step", &TallyData::step)};
  }
};

// Its own date is written as a number: the host shows dates in its own form.
struct TallyEntry {
  kit::foundation::Date date;
  TallyData data;
  std::string casing = "followApp";
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("date", &TallyEntry::date), field("data", &TallyEntry::data),
                      field("casing", &TallyEntry::casing)};
  }
};

TallyEntry entryAt(kit::foundation::Date date, const TallyConfigIntent &configuration,
                   std::string label) {
  return {date, {std::move(label), SharedSuite::open().integer(kCountKey), configuration.step}};
}

// Three entries a minute apart with the stored count; the next timeline ten minutes after the
// first. Previews show the label after "Preview".
struct TallyProvider {
  using Intent = TallyConfigIntent;
  using Entry = TallyEntry;
  Entry placeholder(const kit::widgets::TimelineContext &) const {
    return {kFirstEntry, {"Placeholder", 0, 1}};
  }
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const {
    return entryAt(kFirstEntry, configuration,
                   context.isPreview ? "Preview " + configuration.label : configuration.label);
  }
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &) const {
    kit::widgets::Timeline<TallyEntry> timeline;
    for (int minute = 0; minute < 3; ++minute)
      timeline.entries.push_back(entryAt(kFirstEntry.addingTimeInterval(60.0 * minute),
                                         configuration,
                                         configuration.label + " #" + std::to_string(minute)));
    timeline.policy = kit::widgets::ReloadPolicy::after(kFirstEntry.addingTimeInterval(600));
    return timeline;
  }
};

// Adds `step` to the stored count, writes it to the container file, reloads the board and
// posts "com.test.tally.changed".
struct TallyIntent {
  static constexpr std::string_view typeName = "TallyIntent";
  static constexpr std::string_view title = "Count";
  int64_t step = 1;
  static constexpr auto parameters() {
    return std::tuple{kit::intents::parameter("step", "Step", &TallyIntent::step)};
  }
  kit::intents::IntentResult perform() const noexcept {
    auto suite = SharedSuite::open();
    int64_t count = suite.integer(kCountKey) + step;
    suite.set(kCountKey, count);
    kit::foundation::replaceFile(AppGroup::containerURL() / "tally.json",
                                 "{\"count\":" + std::to_string(count) + "}");
    kit::widgets::WidgetCenter::shared().reloadTimelines("test.tally.board");
    kit::foundation::DistributedNotificationCenter::defaultCenter().postNotificationName(
        "com.test.tally.changed");
    return kit::intents::IntentResult::result();
  }
};

View placed(const View &view, const Rect &frame) {
  return view.frame(frame.size.width, frame.size.height)
      .padding(EdgeInsets{frame.minY(), frame.minX(), 0, 0});
}

// 170 × 170: the key at (20, 20, 50, 50), the link at (110, 110, 40, 40), bare casing elsewhere.
View tallyView(const TallyEntry &entry) {
  TallyIntent count;
  count.step = entry.data.step;
  return ZStack(
             Alignment::topLeading,
             {Rectangle().fill(kTallyFill),
              placed(Text(entry.data.label + " " + std::to_string(entry.data.count))
                         .font(Font::system(12))
                         .foreground(Color::white),
                     {{20, 80}, {130, 20}}),
              placed(Button(kit::intents::intentReference(count), Rectangle().fill(Color::white)),
                     {{20, 20}, {50, 50}}),
              placed(Link(std::string(kLinkURL), Rectangle().fill(Color::black)),
                     {{110, 110}, {40, 40}})})
      .widgetURL(std::string(kWidgetURL));
}

// Its left half is white and accentable, its right half black and not; no keys and no link.
View boardView(const TallyEntry &entry) {
  return HStack(VAlign::center, 0,
                {Rectangle().fill(Color::white).widgetAccentable(),
                 ZStack({Rectangle().fill(Color::black), Text(entry.data.label)})});
}

kit::widgets::AppIntentConfiguration<TallyProvider>
tallyConfiguration(std::string kind, View (*view)(const TallyEntry &), std::string name,
                   std::string description) {
  return kit::widgets::AppIntentConfiguration<TallyProvider>(std::move(kind), TallyProvider{}, view)
      .configurationDisplayName(std::move(name))
      .description(std::move(description))
      .contentMarginsDisabled();
}

struct TallyWidget {
  static constexpr std::string_view typeName = "TallyWidget";
  auto body() const {
    return tallyConfiguration("test.tally", tallyView, "Tally & <Count>",
                              "Counts what the key adds.");
  }
};

struct TallyBoardWidget {
  static constexpr std::string_view typeName = "TallyBoardWidget";
  auto body() const {
    return tallyConfiguration("test.tally.board", boardView, "Board", "Half accent, half not.")
        .supportedFamily(kit::widgets::WidgetFamily::systemMedium);
  }
};

} // namespace

kit::widgets::WidgetBundle testBundle() {
  kit::widgets::WidgetBundle bundle;
  bundle.add<TallyWidget>().add<TallyBoardWidget>().addIntent<TallyIntent>();
  return bundle;
}

} // namespace zavel::host::testing
