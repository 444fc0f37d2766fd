#include "Widgets/WeatherWidgets/AirQualityWidget.h"

#include "Shared/Views/WeatherViews/AirQualityView.h"
#include "Widgets/WeatherWidgets/WidgetContent.h"

namespace zavel {

kit::widgets::AppIntentConfiguration<AirQualityTimelineProvider> AirQualityWidget::body() const {
  return kit::widgets::AppIntentConfiguration<AirQualityTimelineProvider>(
             "zavel.airquality", AirQualityTimelineProvider{},
             rootedContent<AirQualitySnapshot>(
                 ZavelSize::s,
                 [](const AirQualityTimelineProvider::Entry &entry, const ZCtx &ctx) {
                   return AirQualityView{entry.data, ctx}.body();
                 }))
      .configurationDisplayName("Air Quality")
      .description("US AQI where you are.")
      .supportedFamily(kit::widgets::WidgetFamily::systemSmall)
      .contentMarginsDisabled();
}

} // namespace zavel
