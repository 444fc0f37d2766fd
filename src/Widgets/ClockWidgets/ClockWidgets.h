#pragma once

#include "Widgets/ClockWidgets/MinuteTimelineProvider.h"
#include "Widgets/Shell/ZavelWidget.h"

namespace zavel {

// The clock family, in gallery order.
ZavelWidget<ClockProvider> ClockOrbWidget();
ZavelWidget<ClockProvider> ClockDigitalOrbWidget();
ZavelWidget<ClockProvider> ClockHorizonWidget();
ZavelWidget<ClockProvider> ClockStackedWidget();
ZavelWidget<WorldClockProvider> ClockWorldStripWidget();
ZavelWidget<ClockProvider> ClockNumeralDialWidget();
ZavelWidget<ClockProvider> ClockColumnWidget();
ZavelWidget<DualClockProvider> ClockDualWidget();

} // namespace zavel
