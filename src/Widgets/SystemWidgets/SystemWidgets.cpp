#include "Widgets/SystemWidgets/SystemWidgets.h"

#include "Shared/Views/SystemViews/BatteryMinimalView.h"
#include "Shared/Views/SystemViews/DevicesView.h"
#include "Shared/Views/SystemViews/LightPillView.h"
#include "Shared/Views/SystemViews/NetworkView.h"
#include "Shared/Views/SystemViews/StorageView.h"
#include "Shared/Views/SystemViews/SystemGaugesView.h"
#include "Shared/Views/SystemViews/TickerView.h"
#include "Shared/Views/SystemViews/WatchlistView.h"

namespace zavel {

ZavelWidget<LocalProvider<PowerSnapshot>> BatteryDevicesWidget() {
  return {
      .typeName = "BatteryDevicesWidget",
      .kind = "zavel.battery.devices",
      .size = ZavelSize::m,
      .provider = batteryProvider(),
      .face = dataFace<DevicesView>(),
      .name = "Devices",
      .description = "Mac, keyboard, mouse and more.",
  };
}

ZavelWidget<LocalProvider<PowerSnapshot>> BatteryMinimalWidget() {
  return {
      .typeName = "BatteryMinimalWidget",
      .kind = "zavel.battery.minimal",
      .size = ZavelSize::s,
      .provider = batteryProvider(),
      .face = dataFace<BatteryMinimalView>(),
      .name = "Minimal",
      .description = "Charge with time remaining.",
  };
}

ZavelWidget<LocalProvider<SystemGauges>> SystemGaugesWidget() {
  return {
      .typeName = "SystemGaugesWidget",
      .kind = "zavel.system",
      .size = ZavelSize::m,
      .provider = systemGaugesProvider(),
      .face = dataFace<SystemGaugesView>(),
      .name = "System",
      .description = "CPU, memory, GPU and storage in one pane.",
  };
}

ZavelWidget<LocalProvider<NetworkSnapshot>> NetworkWidget() {
  return {
      .typeName = "NetworkWidget",
      .kind = "zavel.network",
      .size = ZavelSize::s,
      .provider = networkProvider(),
      .face = dataFace<NetworkView>(),
      .name = "Network",
      .description = "Average throughput since last refresh.",
  };
}

ZavelWidget<LocalProvider<StorageSnapshot>> StorageWidget() {
  return {
      .typeName = "StorageWidget",
      .kind = "zavel.storage",
      .size = ZavelSize::s,
      .provider = storageProvider(),
      .face = dataFace<StorageView>(),
      .name = "Storage",
      .description = "Disk used, on a bar.",
  };
}

ZavelWidget<TickerTimelineProvider> TickerWidget() {
  return {
      .typeName = "TickerWidget",
      .kind = "zavel.stock.ticker",
      .size = ZavelSize::m,
      .face = dataFace<TickerView>(),
      .name = "Ticker",
      .description = "A stock and its session, on one line.",
  };
}

ZavelWidget<WatchlistTimelineProvider> WatchlistWidget() {
  return {
      .typeName = "WatchlistWidget",
      .kind = "zavel.stock.watchlist",
      .size = ZavelSize::m,
      .face = dataFace<WatchlistView>(),
      .name = "Watchlist",
      .description = "Three stocks at a glance.",
  };
}

ZavelWidget<LocalProvider<PowerSnapshot>> BatteryPillWidget() {
  return {
      .typeName = "BatteryPillWidget",
      .kind = "zavel.battery.pill",
      .size = ZavelSize::m,
      .provider = batteryProvider(),
      .face = dataFace<LightPillView>(),
      .name = "Light Pill",
      .description = "A screen half-lit by your charge.",
  };
}

} // namespace zavel
