#pragma once

#include "Widgets/RSSWidgets/RSSDeckProvider.h"
#include "Widgets/RSSWidgets/RSSTimelineProvider.h"
#include "Widgets/Shell/ZavelWidget.h"

namespace zavel {

// The feed family, in gallery order.
ZavelWidget<RSSTimelineProvider> RSSLatestWidget();
ZavelWidget<RSSDeckProvider> RSSDeckWidget();
ZavelWidget<RSSTimelineProvider> RSSWireWidget();

} // namespace zavel
