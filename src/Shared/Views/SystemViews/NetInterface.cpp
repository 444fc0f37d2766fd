#include "Shared/Views/SystemViews/NetInterface.h"

#include "kit/system/NetworkCounters.h"
#include "kit/system/NetworkInterfaceKind.h"

namespace zavel::NetInterface {

std::string labelAt(const std::filesystem::path &root) {
  // The interfaces whose bytes the throughput counts.
  auto counted = kit::system::readNetworkCounters(root);
  if (!counted || counted->interfaces.empty())
    return "WI-FI";
  auto kind = kit::system::readNetworkInterfaceKind(counted->interfaces.front(), root);
  return kind == kit::system::NetworkInterfaceKind::wireless ? "WI-FI" : "ETHERNET";
}

const std::string &label() {
  static const std::string label = labelAt("/");
  return label;
}

} // namespace zavel::NetInterface
