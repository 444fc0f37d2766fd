#pragma once

// A small app's widgets: a brew provider configured by BrewConfigIntent, two widgets on it, and
// a refill key whose intent reloads two kinds and posts a notification.

#include "kit/foundation/JsonCoding.h"
#include "kit/intents/TestIntents.h"
#include "kit/ui/UI.h"
#include "kit/widgets/AppIntentConfiguration.h"
#include "kit/widgets/WidgetCenter.h"

#include <string>

namespace kit::widgets::testing {

using intents::testing::BrewConfigIntent;
using intents::testing::Roast;

// Entries start here unless the configuration sets a start.
inline constexpr foundation::Date kFirstBrew{760000000};

struct BrewEntry {
  foundation::Date date;
  std::string label;
  int64_t cup = 0;
  Roast roast = Roast::medium;
  static constexpr auto jsonFields() {
    using foundation::field;
    return std::tuple{field("date", &BrewEntry::date), field("label", &BrewEntry::label),
                      field("cup", &BrewEntry::cup), field("roast", &BrewEntry::roast)};
  }
};

// Reloads "test.brew.list" then "test.brew.single", then posts "test.refill.<cups>".
struct RefillIntent {
  static constexpr std::string_view typeName = "RefillIntent";
  static constexpr std::string_view title = "Refill";
  int64_t cups = 1;
  static constexpr auto parameters() {
    return std::tuple{intents::parameter("cups", "Cups", &RefillIntent::cups)};
  }
  intents::IntentResult perform() const noexcept {
    WidgetCenter::shared().reloadTimelines("test.brew.list");
    WidgetCenter::shared().reloadTimelines("test.brew.single");
    foundation::DistributedNotificationCenter::defaultCenter().postNotificationName(
        "test.refill." + std::to_string(cups));
    return intents::IntentResult::result();
  }
};

// One entry per cup, ten minutes apart; the next timeline after the last cup, or never for
// decaf. The label tells what the provider was asked.
struct BrewProvider {
  using Intent = BrewConfigIntent;
  using Entry = BrewEntry;

  static std::string describe(const std::string &what, const TimelineContext &context) {
    return what + (context.isPreview ? " preview " : " ") + std::string(familyName(context.family));
  }
  Entry placeholder(const TimelineContext &context) const {
    return {kFirstBrew, describe("placeholder", context)};
  }
  Entry snapshot(const Intent &configuration, const TimelineContext &context) const {
    return {configuration.start.value_or(kFirstBrew), describe(configuration.label, context), 0,
            configuration.roast};
  }
  Timeline<Entry> timeline(const Intent &configuration, const TimelineContext &context) const {
    foundation::Date start = configuration.start.value_or(kFirstBrew);
    Timeline<Entry> timeline;
    for (int64_t cup = 0; cup < configuration.cups; ++cup)
      timeline.entries.push_back({start.addingTimeInterval(600.0 * double(cup)),
                                  describe(configuration.label, context), cup,
                                  configuration.roast});
    timeline.policy =
        configuration.decaf
            ? ReloadPolicy::never()
            : ReloadPolicy::after(start.addingTimeInterval(600.0 * double(configuration.cups)));
    return timeline;
  }
};

// A 40-point refill key at the top left over a filled background.
inline ui::View brewView(const BrewEntry &entry) {
  using namespace ui;
  RefillIntent refill;
  refill.cups = entry.cup + 1;
  return ZStack(Alignment::topLeading,
                {Rectangle().fill(Color::black),
                 Button(intents::intentReference(refill), Rectangle().frame(40, 40))});
}

struct BrewListWidget {
  static constexpr std::string_view typeName = "BrewListWidget";
  AppIntentConfiguration<BrewProvider> body() const {
    return AppIntentConfiguration<BrewProvider>("test.brew.list", BrewProvider{}, brewView)
        .configurationDisplayName("Brew List")
        .description("Every cup of the morning.")
        .supportedFamily(WidgetFamily::systemMedium)
        .contentMarginsDisabled();
  }
};

struct BrewSingleWidget {
  static constexpr std::string_view typeName = "BrewSingleWidget";
  AppIntentConfiguration<BrewProvider> body() const {
    return AppIntentConfiguration<BrewProvider>("test.brew.single", BrewProvider{}, brewView)
        .configurationDisplayName("Brew")
        .description("The next cup.");
  }
};

} // namespace kit::widgets::testing
