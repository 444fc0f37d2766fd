#pragma once

#include "kit/foundation/JsonCoding.h"

namespace zavel {

// Network throughput of one render, in megabytes (10^6 bytes) per second.
struct NetworkSnapshot {
  double downMBs = 0;
  double upMBs = 0;

  bool operator==(const NetworkSnapshot &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("downMBs", &NetworkSnapshot::downMBs),
                      field("upMBs", &NetworkSnapshot::upMBs)};
  }
};

} // namespace zavel
