#include "Shared/Data/SystemStats/StoredSample.h"
#include "Shared/Data/SystemStats/SystemStats.h"
#include "kit/foundation/Utf8.h"
#include "kit/system/NetworkCounters.h"

namespace zavel::SystemStats {

namespace {

constexpr double kMinimumSeconds = 1.0;
constexpr double kBytesPerMegabyte = 1'000'000;

NetCounters sampleOf(const kit::system::NetworkCounters &counters, kit::foundation::Date at) {
  std::vector<std::string> interfaces;
  for (const auto &name : counters.interfaces)
    interfaces.push_back(kit::foundation::sanitizedUtf8(name));
  return {.inBytes = counters.receivedBytes,
          .outBytes = counters.sentBytes,
          .at = at,
          .interfaces = std::move(interfaces)};
}

// The average throughput between two samples; none when their sums are not comparable.
std::optional<NetworkSnapshot> throughput(const NetCounters &previous, const NetCounters &current) {
  double seconds = current.at.timeIntervalSince(previous.at);
  if (!(seconds > kMinimumSeconds))
    return std::nullopt;
  if (previous.interfaces && previous.interfaces != current.interfaces)
    return std::nullopt;
  if (current.inBytes < previous.inBytes || current.outBytes < previous.outBytes)
    return std::nullopt;
  auto rate = [&](uint64_t bytes) {
    return static_cast<double>(bytes) / seconds / kBytesPerMegabyte;
  };
  return NetworkSnapshot{.downMBs = rate(current.inBytes - previous.inBytes),
                         .upMBs = rate(current.outBytes - previous.outBytes)};
}

} // namespace

std::optional<NetworkSnapshot> networkSnapshot(const Environment &environment) {
  auto counters = kit::system::readNetworkCounters(environment.root);
  if (!counters)
    return std::nullopt;
  auto current = sampleOf(*counters, environment.clock.now());
  auto previous = replaceStoredSample(netBytesKey, current, environment.home);
  if (!previous)
    return std::nullopt;
  return throughput(*previous, current);
}

} // namespace zavel::SystemStats
