#pragma once

#include <filesystem>
#include <string_view>

namespace kit::system {

enum class NetworkInterfaceKind { wired, wireless };

// Wireless when <root>/sys/class/net/<name>/ holds a "wireless" or "phy80211" entry (as Wi-Fi
// drivers make), else wired; an interface that is not there reads as wired.
NetworkInterfaceKind readNetworkInterfaceKind(std::string_view name,
                                              const std::filesystem::path &root = "/");

} // namespace kit::system
