#pragma once

#include "Widgets/Shell/ZavelWidget.h"
#include "Widgets/SystemWidgets/SystemLocalProvider.h"
#include "Widgets/SystemWidgets/TickerTimelineProvider.h"
#include "Widgets/SystemWidgets/WatchlistTimelineProvider.h"

namespace zavel {

// The system family, in gallery order.
ZavelWidget<SystemLocalProvider<PowerSnapshot>> BatteryDevicesWidget();
ZavelWidget<SystemLocalProvider<PowerSnapshot>> BatteryMinimalWidget();
ZavelWidget<SystemLocalProvider<SystemGauges>> SystemGaugesWidget();
ZavelWidget<SystemLocalProvider<NetworkSnapshot>> NetworkWidget();
ZavelWidget<SystemLocalProvider<StorageSnapshot>> StorageWidget();
ZavelWidget<TickerTimelineProvider> TickerWidget();
ZavelWidget<WatchlistTimelineProvider> WatchlistWidget();
ZavelWidget<SystemLocalProvider<PowerSnapshot>> BatteryPillWidget();

} // namespace zavel
