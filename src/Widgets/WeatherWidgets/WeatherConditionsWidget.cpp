#include "Widgets/WeatherWidgets/WeatherConditionsWidget.h"

#include "Shared/Views/WeatherViews/WeatherConditionsView.h"
#include "Widgets/WeatherWidgets/WidgetContent.h"

namespace zavel {

kit::widgets::AppIntentConfiguration<WeatherTimelineProvider>
WeatherConditionsWidget::body() const {
  return kit::widgets::AppIntentConfiguration<WeatherTimelineProvider>(
             "zavel.weather.current", WeatherTimelineProvider{},
             linkedContent<WeatherSnapshot>(
                 ZavelSize::s,
                 [](const WeatherTimelineProvider::Entry &entry, const ZCtx &ctx) {
                   return WeatherConditionsView{entry.data, ctx}.body();
                 }))
      .configurationDisplayName("Conditions")
      .description("Now, with highs and lows.")
      .supportedFamily(kit::widgets::WidgetFamily::systemSmall)
      .contentMarginsDisabled();
}

} // namespace zavel
