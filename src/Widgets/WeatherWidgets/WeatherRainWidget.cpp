#include "Widgets/WeatherWidgets/WeatherRainWidget.h"

#include "Shared/Views/WeatherViews/WeatherRainView.h"
#include "Widgets/WeatherWidgets/WidgetContent.h"

namespace zavel {

kit::widgets::AppIntentConfiguration<WeatherTimelineProvider> WeatherRainWidget::body() const {
  return kit::widgets::AppIntentConfiguration<WeatherTimelineProvider>(
             "zavel.weather.rain", WeatherTimelineProvider{},
             linkedContent<WeatherSnapshot>(
                 ZavelSize::m,
                 [](const WeatherTimelineProvider::Entry &entry, const ZCtx &ctx) {
                   return WeatherRainView{entry.data, ctx}.body();
                 }))
      .configurationDisplayName("Rain Radar")
      .description("Rain chance over the next 12 hours.")
      .supportedFamily(kit::widgets::WidgetFamily::systemMedium)
      .contentMarginsDisabled();
}

} // namespace zavel
