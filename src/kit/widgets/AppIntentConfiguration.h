#pragma once

// A widget's definition: its kind, its provider (whose Intent is the configuration), the content
// it draws for an entry, and how the gallery presents it. Reads like the platform's:
//   struct WeatherConditionsWidget {
//     static constexpr std::string_view typeName = "WeatherConditionsWidget";
//     kit::widgets::AppIntentConfiguration<WeatherTimelineProvider> body() const {
//       return kit::widgets::AppIntentConfiguration<WeatherTimelineProvider>(
//                  "zavel.weather.current", WeatherTimelineProvider{},
//                  [](const WeatherEntry &entry) { return WeatherConditionsView(...); })
//           .configurationDisplayName("Conditions")
//           .description("Now, with highs and lows.")
//           .supportedFamily(kit::widgets::WidgetFamily::systemSmall)
//           .contentMarginsDisabled();
//     }
//   };

#include "kit/ui/View.h"
#include "kit/widgets/TimelineProvider.h"
#include "kit/widgets/WidgetFamily.h"

#include <functional>
#include <string>
#include <utility>

namespace kit::widgets {

// The inset the host gives a widget's content unless the widget disables content margins.
inline constexpr double kDefaultContentMargin = 16;

template <TimelineProvider Provider> class AppIntentConfiguration {
public:
  using Entry = typename Provider::Entry;
  using Intent = typename Provider::Intent;
  // Builds the view of one entry; must not throw.
  using Content = std::function<ui::View(const Entry &)>;

  AppIntentConfiguration(std::string kind, Provider provider, Content content)
      : kind_(std::move(kind)), provider_(std::move(provider)), content_(std::move(content)) {}

  AppIntentConfiguration configurationDisplayName(std::string name) const {
    auto copy = *this;
    copy.displayName_ = std::move(name);
    return copy;
  }
  AppIntentConfiguration description(std::string text) const {
    auto copy = *this;
    copy.description_ = std::move(text);
    return copy;
  }
  // Small unless set.
  AppIntentConfiguration supportedFamily(WidgetFamily family) const {
    auto copy = *this;
    copy.family_ = family;
    return copy;
  }
  // The content fills the whole widget instead of sitting inside the default margins.
  AppIntentConfiguration contentMarginsDisabled() const {
    auto copy = *this;
    copy.contentMarginsDisabled_ = true;
    return copy;
  }

  const std::string &kind() const { return kind_; }
  const Provider &provider() const { return provider_; }
  const std::string &displayName() const { return displayName_; }
  const std::string &descriptionText() const { return description_; }
  WidgetFamily family() const { return family_; }
  bool areContentMarginsDisabled() const { return contentMarginsDisabled_; }

  // The entry's view as the host shows it, margins included.
  ui::View view(const Entry &entry) const {
    ui::View content = content_(entry);
    return contentMarginsDisabled_ ? content : content.padding(kDefaultContentMargin);
  }

private:
  std::string kind_;
  Provider provider_;
  Content content_;
  std::string displayName_;
  std::string description_;
  WidgetFamily family_ = WidgetFamily::systemSmall;
  bool contentMarginsDisabled_ = false;
};

} // namespace kit::widgets
