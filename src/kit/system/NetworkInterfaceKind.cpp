#include "kit/system/NetworkInterfaceKind.h"

#include <system_error>

namespace kit::system {

namespace {

// The entry itself, not what it points to: phy80211 is a link.
bool hasEntry(const std::filesystem::path &path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

} // namespace

NetworkInterfaceKind readNetworkInterfaceKind(std::string_view name,
                                              const std::filesystem::path &root) {
  auto interface = root / "sys/class/net" / name;
  if (hasEntry(interface / "wireless") || hasEntry(interface / "phy80211"))
    return NetworkInterfaceKind::wireless;
  return NetworkInterfaceKind::wired;
}

} // namespace kit::system
