#pragma once

#include "Widgets/Shell/ZavelWidget.h"
#include "Widgets/SystemWidgets/SystemLocalProviders.h"
#include "Widgets/SystemWidgets/TickerTimelineProvider.h"
#include "Widgets/SystemWidgets/WatchlistTimelineProvider.h"

namespace zavel {

// The system family, in gallery order.
ZavelWidget<LocalProvider<PowerSnapshot>> BatteryDevicesWidget();
ZavelWidget<LocalProvider<PowerSnapshot>> BatteryMinimalWidget();
ZavelWidget<LocalProvider<SystemGauges>> SystemGaugesWidget();
ZavelWidget<LocalProvider<NetworkSnapshot>> NetworkWidget();
ZavelWidget<LocalProvider<StorageSnapshot>> StorageWidget();
ZavelWidget<TickerTimelineProvider> TickerWidget();
ZavelWidget<WatchlistTimelineProvider> WatchlistWidget();
ZavelWidget<LocalProvider<PowerSnapshot>> BatteryPillWidget();

} // namespace zavel
