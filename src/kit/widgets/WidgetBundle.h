#pragma once

// The extension's catalogue: its widgets in gallery order, and the button intents and entity
// types the host can reach by name. Groups are bundles too, appended in order:
//   kit::widgets::WidgetBundle group;
//   group.add(AnyWidget("BrewListWidget", brewListConfiguration())).addIntent<RefillIntent>();
//   bundle.add(group).add(otherGroup);
// A widget type with `static constexpr std::string_view typeName` and `body()` giving its
// AppIntentConfiguration can be added by type: `group.add<BrewListWidget>()`. The entity types of
// the widgets' configurations are added with them.

#include "kit/intents/AppIntent.h"
#include "kit/intents/IntentRegistry.h"
#include "kit/widgets/AnyWidget.h"

#include <string>
#include <string_view>
#include <vector>

namespace kit::widgets {

class WidgetBundle {
public:
  template <class Widget> WidgetBundle &add() {
    return add(AnyWidget(std::string(Widget::typeName), Widget{}.body()));
  }
  WidgetBundle &add(AnyWidget widget);
  // The group's widgets after these, and its intents and entities.
  WidgetBundle &add(const WidgetBundle &group);
  // The same, the group's widgets shown under `title` in the gallery.
  WidgetBundle &add(std::string title, const WidgetBundle &group);

  template <intents::AppIntent Intent> WidgetBundle &addIntent() {
    intents_.add<Intent>();
    return *this;
  }
  template <intents::AppEntity Entity> WidgetBundle &addEntity() {
    intents_.addEntity<Entity>();
    return *this;
  }
  // What an area's registry function adds: `group.addIntents(addActionIntents)`.
  WidgetBundle &addIntents(intents::IntentRegistry &(*addTo)(intents::IntentRegistry &)) {
    addTo(intents_);
    return *this;
  }

  // In gallery order.
  const std::vector<AnyWidget> &widgets() const { return widgets_; }
  // The first widget of that kind, or null.
  const AnyWidget *widget(std::string_view kind) const;
  const intents::IntentRegistry &intents() const { return intents_; }

  // A run of widgets under one heading: those from `begin` up to, not including, `end`.
  struct Section {
    std::string title;
    std::size_t begin = 0;
    std::size_t end = 0;
    bool operator==(const Section &) const = default;
  };
  // The titled groups in gallery order; widgets added otherwise belong to none.
  const std::vector<Section> &sections() const { return sections_; }

private:
  std::vector<AnyWidget> widgets_;
  std::vector<Section> sections_;
  intents::IntentRegistry intents_;
};

} // namespace kit::widgets
