#include "Widgets/WeatherWidgets/WeatherSunColumnWidget.h"

#include "Shared/Views/WeatherViews/WeatherSunColumnView.h"
#include "Widgets/WeatherWidgets/WidgetContent.h"

namespace zavel {

kit::widgets::AppIntentConfiguration<WeatherTimelineProvider> WeatherSunColumnWidget::body() const {
  return kit::widgets::AppIntentConfiguration<WeatherTimelineProvider>(
             "zavel.weather.column", WeatherTimelineProvider{},
             linkedContent<WeatherSnapshot>(
                 ZavelSize::l,
                 [](const WeatherTimelineProvider::Entry &entry, const ZCtx &ctx) {
                   return WeatherSunColumnView(entry.data, entry.date, ctx).body();
                 }))
      .configurationDisplayName("Sun Column")
      .description("The full portrait: temperature, sky and sunset.")
      .supportedFamily(kit::widgets::WidgetFamily::systemLarge)
      .contentMarginsDisabled();
}

} // namespace zavel
