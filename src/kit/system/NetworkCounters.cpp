#include "kit/system/NetworkCounters.h"

#include "kit/foundation/Saturating.h"
#include "kit/system/Attributes.h"

#include <system_error>

namespace kit::system {

using kit::foundation::saturatingAdd;

namespace {

bool isPhysical(const std::filesystem::path &interface) {
  std::error_code error;
  return interface.filename() != "lo" && std::filesystem::exists(interface / "device", error);
}

} // namespace

std::optional<NetworkCounters> readNetworkCounters(const std::filesystem::path &root) {
  auto net = root / "sys/class/net";
  auto names = sortedEntryNames(net);
  if (names.empty())
    return std::nullopt;
  NetworkCounters counters;
  for (const auto &name : names) {
    auto interface = net / name;
    if (!isPhysical(interface))
      continue;
    auto received = readUnsignedAttribute(interface / "statistics/rx_bytes");
    auto sent = readUnsignedAttribute(interface / "statistics/tx_bytes");
    if (!received || !sent)
      continue;
    counters.receivedBytes = saturatingAdd(counters.receivedBytes, *received);
    counters.sentBytes = saturatingAdd(counters.sentBytes, *sent);
    counters.interfaces.push_back(name);
  }
  return counters;
}

} // namespace kit::system
