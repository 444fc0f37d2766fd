#pragma once

#include "kit/foundation/JsonCoding.h"

#include <cstdint>
#include <optional>

namespace zavel {

// Processor, memory and graphics load of one render, in percent.
struct SystemSnapshot {
  int64_t cpuPercent = 0;
  int64_t memoryPercent = 0;
  std::optional<int64_t> gpuPercent; // none when the machine gives no figure

  bool operator==(const SystemSnapshot &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    using R = SystemSnapshot;
    return std::tuple{field("cpuPercent", &R::cpuPercent),
                      field("memoryPercent", &R::memoryPercent),
                      field("gpuPercent", &R::gpuPercent)};
  }
};

} // namespace zavel
