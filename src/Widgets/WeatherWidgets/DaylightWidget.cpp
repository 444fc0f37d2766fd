#include "Widgets/WeatherWidgets/DaylightWidget.h"

#include "Shared/Views/WeatherViews/DaylightView.h"
#include "Widgets/WeatherWidgets/WidgetContent.h"

namespace zavel {

kit::widgets::AppIntentConfiguration<DaylightTimelineProvider> DaylightWidget::body() const {
  return kit::widgets::AppIntentConfiguration<DaylightTimelineProvider>(
             "zavel.daylight", DaylightTimelineProvider{},
             rootedContent<DaylightInfo>(
                 ZavelSize::m,
                 [](const DaylightTimelineProvider::Entry &entry, const ZCtx &ctx) {
                   return DaylightView{entry.data, entry.date, ctx}.body();
                 }))
      .configurationDisplayName("Daylight")
      .description("Sunrise to sunset, with the sun on its arc.")
      .supportedFamily(kit::widgets::WidgetFamily::systemMedium)
      .contentMarginsDisabled();
}

} // namespace zavel
