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

namespace {

using PowerEntry = ZavelEntry<PowerSnapshot>;

} // namespace

ZavelWidget<SystemLocalProvider<PowerSnapshot>> BatteryDevicesWidget() {
  return {
      .typeName = "BatteryDevicesWidget",
      .kind = "zavel.battery.devices",
      .size = ZavelSize::m,
      .provider = batteryProvider(),
      .face =
          [](const PowerEntry &entry, const ZCtx &ctx) {
            return DevicesView{entry.data, ctx}.body();
          },
      .name = "Devices",
      .description = "Mac, keyboard, mouse and more.",
  };
}

ZavelWidget<SystemLocalProvider<PowerSnapshot>> BatteryMinimalWidget() {
  return {
      .typeName = "BatteryMinimalWidget",
      .kind = "zavel.battery.minimal",
      .size = ZavelSize::s,
      .provider = batteryProvider(),
      .face =
          [](const PowerEntry &entry, const ZCtx &ctx) {
            return BatteryMinimalView{entry.data, ctx}.body();
          },
      .name = "Minimal",
      .description = "Charge with time remaining.",
  };
}

ZavelWidget<SystemLocalProvider<SystemGauges>> SystemGaugesWidget() {
  return {
      .typeName = "SystemGaugesWidget",
      .kind = "zavel.system",
      .size = ZavelSize::m,
      .provider = systemGaugesProvider(),
      .face =
          [](const ZavelEntry<SystemGauges> &entry, const ZCtx &ctx) {
            return SystemGaugesView{entry.data, ctx}.body();
          },
      .name = "System",
      .description = "CPU, memory, GPU and storage in one pane.",
  };
}

ZavelWidget<SystemLocalProvider<NetworkSnapshot>> NetworkWidget() {
  return {
      .typeName = "NetworkWidget",
      .kind = "zavel.network",
      .size = ZavelSize::s,
      .provider = networkProvider(),
      .face =
          [](const ZavelEntry<NetworkSnapshot> &entry, const ZCtx &ctx) {
            return NetworkView{entry.data, ctx}.body();
          },
      .name = "Network",
      .description = "Average throughput since last refresh.",
  };
}

ZavelWidget<SystemLocalProvider<StorageSnapshot>> StorageWidget() {
  return {
      .typeName = "StorageWidget",
      .kind = "zavel.storage",
      .size = ZavelSize::s,
      .provider = storageProvider(),
      .face =
          [](const ZavelEntry<StorageSnapshot> &entry, const ZCtx &ctx) {
            return StorageView{entry.data, ctx}.body();
          },
      .name = "Storage",
      .description = "Disk used, on a bar.",
  };
}

ZavelWidget<TickerTimelineProvider> TickerWidget() {
  return {
      .typeName = "TickerWidget",
      .kind = "zavel.stock.ticker",
      .size = ZavelSize::m,
      .face =
          [](const TickerEntry &entry, const ZCtx &ctx) {
            return TickerView{entry.data, ctx}.body();
          },
      .name = "Ticker",
      .description = "A stock and its session, on one line.",
  };
}

ZavelWidget<WatchlistTimelineProvider> WatchlistWidget() {
  return {
      .typeName = "WatchlistWidget",
      .kind = "zavel.stock.watchlist",
      .size = ZavelSize::m,
      .face =
          [](const WatchlistEntry &entry, const ZCtx &ctx) {
            return WatchlistView{entry.data, ctx}.body();
          },
      .name = "Watchlist",
      .description = "Three stocks at a glance.",
  };
}

ZavelWidget<SystemLocalProvider<PowerSnapshot>> BatteryPillWidget() {
  return {
      .typeName = "BatteryPillWidget",
      .kind = "zavel.battery.pill",
      .size = ZavelSize::m,
      .provider = batteryProvider(),
      .face =
          [](const PowerEntry &entry, const ZCtx &ctx) {
            return LightPillView{entry.data, ctx}.body();
          },
      .name = "Light Pill",
      .description = "A screen half-lit by your charge.",
  };
}

} // namespace zavel
