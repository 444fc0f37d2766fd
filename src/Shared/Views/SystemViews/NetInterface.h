#pragma once

#include <filesystem>
#include <string>

// The name the network widget gives the machine's connection. Linux has no display names, so it
// tells the kind of the first physical interface, in name order: "WI-FI" or "ETHERNET".
namespace zavel::NetInterface {

// Read afresh from the /sys tree under `root`; "WI-FI" when there is no physical interface.
std::string labelAt(const std::filesystem::path &root);

// Read once per process, from the machine's own tree, and kept.
const std::string &label();

} // namespace zavel::NetInterface
