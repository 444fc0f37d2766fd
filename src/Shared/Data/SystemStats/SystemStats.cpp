#include "Shared/Data/SystemStats/SystemStats.h"

#include "kit/foundation/Saturating.h"
#include "kit/system/GpuBusy.h"
#include "kit/system/MemoryUsage.h"

namespace zavel::SystemStats {

using kit::foundation::wholeRounded;
using kit::foundation::wholeTruncated;

namespace {
constexpr double kBytesPerGigabyte = 1'000'000'000;
}

std::optional<int64_t> memoryPercent(const Environment &environment) {
  auto memory = kit::system::readMemoryUsage(environment.root);
  if (!memory)
    return std::nullopt;
  return wholeRounded(static_cast<double>(memory->usedBytes()) /
                      static_cast<double>(memory->totalBytes) * 100);
}

std::optional<int64_t> gpuPercent(const Environment &environment) {
  return kit::system::readGpuBusyPercent(environment.root);
}

std::optional<StorageSnapshot> storageSnapshot(const Environment &environment) {
  auto home = kit::system::homeDirectory();
  if (!home)
    return std::nullopt;
  auto capacity = kit::system::readVolumeCapacity(*home, environment.statVfs);
  if (!capacity)
    return std::nullopt;
  uint64_t used = capacity->totalBytes > capacity->availableBytes
                      ? capacity->totalBytes - capacity->availableBytes
                      : 0;
  return StorageSnapshot{
      .usedGB = wholeTruncated(static_cast<double>(used) / kBytesPerGigabyte),
      .totalGB = wholeRounded(static_cast<double>(capacity->totalBytes) / kBytesPerGigabyte)};
}

} // namespace zavel::SystemStats
