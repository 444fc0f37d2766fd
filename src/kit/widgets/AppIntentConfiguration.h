#pragma once

// A widget's definition: its kind, its provider (whose Intent is the configuration), the content
// it draws for an entry, and how the gallery presents it. Reads like the platform's:
//   kit::widgets::AppIntentConfiguration<BrewProvider>(
//       "test.brew.list", BrewProvider{},
//       [](const BrewEntry &entry) { return kit::ui::Text(entry.label); })
//       .configurationDisplayName("Brews")
//       .description("Every cup of the day.")
//       .supportedFamily(kit::widgets::WidgetFamily::systemMedium)
//       .contentMarginsDisabled();

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
    return with(&AppIntentConfiguration::displayName_, std::move(name));
  }
  AppIntentConfiguration description(std::string text) const {
    return with(&AppIntentConfiguration::description_, std::move(text));
  }
  // Small unless set.
  AppIntentConfiguration supportedFamily(WidgetFamily family) const {
    return with(&AppIntentConfiguration::family_, family);
  }
  // The content fills the whole widget instead of sitting inside the default margins.
  AppIntentConfiguration contentMarginsDisabled() const {
    return with(&AppIntentConfiguration::contentMarginsDisabled_, true);
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
  template <class Value>
  AppIntentConfiguration with(Value AppIntentConfiguration::*member, Value value) const {
    auto copy = *this;
    copy.*member = std::move(value);
    return copy;
  }

  std::string kind_;
  Provider provider_;
  Content content_;
  std::string displayName_;
  std::string description_;
  WidgetFamily family_ = WidgetFamily::systemSmall;
  bool contentMarginsDisabled_ = false;
};

} // namespace kit::widgets
