#include "kit/system/GpuBusy.h"

#include "kit/system/Attributes.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace kit::system {

namespace {

// "card0", "card12": the cards themselves, not their connectors ("card0-DP-1").
std::optional<std::uint64_t> cardNumber(const std::string &name) {
  if (name.rfind("card", 0) != 0 || name.size() == 4)
    return std::nullopt;
  if (!std::all_of(name.begin() + 4, name.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return parseUnsigned(std::string_view(name).substr(4));
}

} // namespace

std::optional<int> readGpuBusyPercent(const std::filesystem::path &root) {
  auto drm = root / "sys/class/drm";
  std::vector<std::pair<std::uint64_t, std::string>> cards;
  for (const auto &name : sortedEntryNames(drm))
    if (auto number = cardNumber(name))
      cards.emplace_back(*number, name);
  std::sort(cards.begin(), cards.end());
  for (const auto &[number, name] : cards) {
    auto busy = readIntegerAttribute(drm / name / "device/gpu_busy_percent");
    if (busy && *busy >= std::numeric_limits<int>::min() &&
        *busy <= std::numeric_limits<int>::max())
      return static_cast<int>(*busy);
  }
  return std::nullopt;
}

} // namespace kit::system
