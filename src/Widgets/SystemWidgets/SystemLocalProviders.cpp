#include "Widgets/SystemWidgets/SystemLocalProviders.h"

namespace zavel {
namespace {

// What the storage figure shows when the volume cannot be read, and the samples show.
constexpr StorageSnapshot storageFallback{.usedGB = 721, .totalGB = 1000};

} // namespace

LocalProvider<SystemGauges> systemGaugesProvider(const SystemStats::Environment &machine) {
  return {.sample = {{.cpuPercent = 34, .memoryPercent = 61, .gpuPercent = 88}, storageFallback},
          .live =
              [machine] {
                // Read in this order: processor, memory, graphics, storage.
                SystemSnapshot system;
                system.cpuPercent = SystemStats::cpuPercent(machine).value_or(0);
                system.memoryPercent = SystemStats::memoryPercent(machine).value_or(0);
                system.gpuPercent = SystemStats::gpuPercent(machine);
                return SystemGauges{
                    system, SystemStats::storageSnapshot(machine).value_or(storageFallback)};
              },
          .refreshMinutes = 5,
          .clock = machine.clock};
}

LocalProvider<NetworkSnapshot> networkProvider(const SystemStats::Environment &machine) {
  return {
      .sample = {.downMBs = 482.0, .upMBs = 36.0},
      .live =
          [machine] { return SystemStats::networkSnapshot(machine).value_or(NetworkSnapshot{}); },
      .refreshMinutes = 5,
      .clock = machine.clock};
}

LocalProvider<StorageSnapshot> storageProvider(const SystemStats::Environment &machine) {
  return {
      .sample = storageFallback,
      .live = [machine] { return SystemStats::storageSnapshot(machine).value_or(storageFallback); },
      .refreshMinutes = 360,
      .clock = machine.clock};
}

LocalProvider<PowerSnapshot> batteryProvider(const PowerSource::Environment &machine) {
  return {.sample = PowerSnapshot::sample(),
          .live = [machine] { return PowerSource::snapshot(machine); },
          .refreshMinutes = 15,
          .clock = machine.clock};
}

} // namespace zavel
