#include "Widgets/WeatherWidgets/MoonWidget.h"

#include "Shared/Views/WeatherViews/MoonView.h"
#include "Widgets/WeatherWidgets/WidgetContent.h"

namespace zavel {

kit::widgets::AppIntentConfiguration<MoonProvider> MoonWidget::body() const {
  return kit::widgets::AppIntentConfiguration<MoonProvider>(
             "zavel.moon", MoonProvider{},
             rootedContent<MoonInfo>(ZavelSize::s,
                                     [](const MoonProvider::Entry &entry, const ZCtx &ctx) {
                                       return MoonView{entry.data, ctx}.body();
                                     }))
      .configurationDisplayName("Moon")
      .description("Tonight's phase.")
      .supportedFamily(kit::widgets::WidgetFamily::systemSmall)
      .contentMarginsDisabled();
}

} // namespace zavel
