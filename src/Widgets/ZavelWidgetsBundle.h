#pragma once

#include "kit/widgets/WidgetBundle.h"

#include <string_view>

namespace zavel {

// One group of the widget gallery, shown under its title: its widgets in gallery order, with the
// button intents and entity types that live with them.
//
// Adding a widget to a group is one line in that group's body in ZavelWidgetsBundle.cpp,
// `group.add(WeatherConditionsWidget());`, placed at the widget's position in the group (the
// family's header, which declares its widgets, is included there once).
struct ZavelWidgetGroup {
  std::string_view typeName;
  std::string_view title;
  kit::widgets::WidgetBundle widgets;

  const kit::widgets::WidgetBundle &body() const { return widgets; }
};

// The nine groups, in gallery order.
ZavelWidgetGroup ZavelFeaturedBundle();
ZavelWidgetGroup ZavelClocksBundle();
ZavelWidgetGroup ZavelAgendaBundle();
ZavelWidgetGroup ZavelWeatherBundle();
ZavelWidgetGroup ZavelHealthBundle();
ZavelWidgetGroup ZavelProductivityBundle();
ZavelWidgetGroup ZavelNotesBundle();
ZavelWidgetGroup ZavelSystemBundle();
ZavelWidgetGroup ZavelRSSBundle();

// The extension's whole catalogue. Creating it makes the shipped fonts available to the process.
struct ZavelWidgetsBundle {
  ZavelWidgetsBundle();
  kit::widgets::WidgetBundle body() const;
};

// What the host runs: the body of a newly created ZavelWidgetsBundle.
kit::widgets::WidgetBundle makeWidgetsBundle();

} // namespace zavel
