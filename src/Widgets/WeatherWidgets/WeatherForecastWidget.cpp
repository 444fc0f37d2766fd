#include "Widgets/WeatherWidgets/WeatherForecastWidget.h"

#include "Shared/Views/WeatherViews/WeatherForecastView.h"
#include "Widgets/WeatherWidgets/WidgetContent.h"

namespace zavel {

kit::widgets::AppIntentConfiguration<WeatherTimelineProvider> WeatherForecastWidget::body() const {
  return kit::widgets::AppIntentConfiguration<WeatherTimelineProvider>(
             "zavel.weather.forecast", WeatherTimelineProvider{},
             linkedContent<WeatherSnapshot>(
                 ZavelSize::m,
                 [](const WeatherTimelineProvider::Entry &entry, const ZCtx &ctx) {
                   return WeatherForecastView(entry.data, ctx).body();
                 }))
      .configurationDisplayName("Forecast")
      .description("The next seven days across the screen.")
      .supportedFamily(kit::widgets::WidgetFamily::systemMedium)
      .contentMarginsDisabled();
}

} // namespace zavel
