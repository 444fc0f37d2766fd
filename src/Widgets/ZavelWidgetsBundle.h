#pragma once

#include "kit/widgets/WidgetBundle.h"

#include <string>
#include <string_view>
#include <tuple>

namespace zavel {

// The nine groups of the widget gallery, each shown under its title. Each `body()` lists its
// group's widgets in gallery order, with the button intents and entity types that live with the
// group.
//
// Adding a widget to a group is one line in that group's `body()` in ZavelWidgetsBundle.cpp,
// `group.add(WeatherConditionsWidget());`, placed at the widget's position in the group (the
// family's header, which declares its widgets, is included there once).
struct ZavelFeaturedBundle {
  static constexpr std::string_view typeName = "ZavelFeaturedBundle";
  static constexpr std::string_view title = "Featured decks";
  kit::widgets::WidgetBundle body() const;
};
struct ZavelClocksBundle {
  static constexpr std::string_view typeName = "ZavelClocksBundle";
  static constexpr std::string_view title = "Clocks";
  kit::widgets::WidgetBundle body() const;
};
struct ZavelAgendaBundle {
  static constexpr std::string_view typeName = "ZavelAgendaBundle";
  static constexpr std::string_view title = "Agenda";
  kit::widgets::WidgetBundle body() const;
};
struct ZavelWeatherBundle {
  static constexpr std::string_view typeName = "ZavelWeatherBundle";
  static constexpr std::string_view title = "Weather";
  kit::widgets::WidgetBundle body() const;
};
struct ZavelHealthBundle {
  static constexpr std::string_view typeName = "ZavelHealthBundle";
  static constexpr std::string_view title = "Health";
  kit::widgets::WidgetBundle body() const;
};
struct ZavelProductivityBundle {
  static constexpr std::string_view typeName = "ZavelProductivityBundle";
  static constexpr std::string_view title = "Productivity";
  kit::widgets::WidgetBundle body() const;
};
struct ZavelNotesBundle {
  static constexpr std::string_view typeName = "ZavelNotesBundle";
  static constexpr std::string_view title = "Notes";
  kit::widgets::WidgetBundle body() const;
};
struct ZavelSystemBundle {
  static constexpr std::string_view typeName = "ZavelSystemBundle";
  static constexpr std::string_view title = "System";
  kit::widgets::WidgetBundle body() const;
};
struct ZavelRSSBundle {
  static constexpr std::string_view typeName = "ZavelRSSBundle";
  static constexpr std::string_view title = "Feeds";
  kit::widgets::WidgetBundle body() const;
};

// Groups one after another: their widgets in order, with their intents and entities.
template <class... Groups> kit::widgets::WidgetBundle joinedGroups() {
  kit::widgets::WidgetBundle bundle;
  (bundle.add(std::string(Groups::title), Groups{}.body()), ...);
  return bundle;
}

// The extension's whole catalogue. Creating it makes the shipped fonts available to the process.
struct ZavelWidgetsBundle {
  // In gallery order.
  using Groups = std::tuple<ZavelFeaturedBundle, ZavelClocksBundle, ZavelAgendaBundle,
                            ZavelWeatherBundle, ZavelHealthBundle, ZavelProductivityBundle,
                            ZavelNotesBundle, ZavelSystemBundle, ZavelRSSBundle>;

  ZavelWidgetsBundle();
  kit::widgets::WidgetBundle body() const;
};

// What the host runs: the body of a newly created ZavelWidgetsBundle.
kit::widgets::WidgetBundle makeWidgetsBundle();

} // namespace zavel
