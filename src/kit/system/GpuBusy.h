#pragma once

#include <filesystem>
#include <optional>

namespace kit::system {

// The busy share of the first graphics card whose driver reports one, in percent as the driver
// gives it (<root>/sys/class/drm/cardN/device/gpu_busy_percent, cards in number order). Many
// drivers report none; then none.
std::optional<int> readGpuBusyPercent(const std::filesystem::path &root = "/");

} // namespace kit::system
