#include "Shared/Data/SystemStats/StoredSample.h"
#include "Shared/Data/SystemStats/SystemStats.h"
#include "kit/foundation/Saturating.h"
#include "kit/system/ProcessorTicks.h"

namespace zavel::SystemStats {

using kit::foundation::saturatingAdd;
using kit::foundation::wholeRounded;

namespace {

// The busy share between two samples. Counters the kernel restarted, or iowait that went
// backwards, make the interval meaningless: no figure for this reading.
std::optional<int64_t> busyPercent(const CPUTicks &previous, const CPUTicks &current) {
  if (current.user < previous.user || current.system < previous.system ||
      current.idle < previous.idle || current.nice < previous.nice)
    return std::nullopt;
  uint64_t busy =
      saturatingAdd(saturatingAdd(current.user - previous.user, current.system - previous.system),
                    current.nice - previous.nice);
  uint64_t total = saturatingAdd(busy, current.idle - previous.idle);
  if (total == 0)
    return std::nullopt;
  return wholeRounded(static_cast<double>(busy) / static_cast<double>(total) * 100);
}

} // namespace

std::optional<int64_t> cpuPercent(const Environment &environment) {
  auto ticks = kit::system::readProcessorTicks(environment.root);
  if (!ticks)
    return std::nullopt;
  CPUTicks current{.user = ticks->user,
                   .system = ticks->system,
                   .idle = ticks->idle,
                   .nice = ticks->nice,
                   .at = environment.clock.now()};
  auto previous = replaceStoredSample(cpuTicksKey, current, environment.home);
  if (!previous)
    return std::nullopt;
  return busyPercent(*previous, current);
}

} // namespace zavel::SystemStats
