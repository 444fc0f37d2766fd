#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <cstdint>
#include <optional>

namespace zavel {

// The focus timer: a session runs while its end lies ahead.
struct FocusSession {
  std::optional<kit::foundation::Date> endDate; // none after a stop or reset
  int64_t minutes = 25;                         // the length of a session

  static const FocusSession &sample();

  bool operator==(const FocusSession &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("endDate", &FocusSession::endDate),
                      field("minutes", &FocusSession::minutes)};
  }
};

} // namespace zavel
