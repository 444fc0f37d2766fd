#pragma once

#include "kit/foundation/JsonCoding.h"

#include <cstdint>

namespace zavel {

// Use of the volume that holds the user's home folder, in whole gigabytes (10^9 bytes).
struct StorageSnapshot {
  int64_t usedGB = 0;
  int64_t totalGB = 0;

  bool operator==(const StorageSnapshot &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("usedGB", &StorageSnapshot::usedGB),
                      field("totalGB", &StorageSnapshot::totalGB)};
  }
};

} // namespace zavel
