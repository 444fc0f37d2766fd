#pragma once

#include "Shared/Data/ExtraModels/StorageSnapshot.h"
#include "Shared/Data/ExtraModels/SystemSnapshot.h"
#include "kit/foundation/JsonCoding.h"

namespace zavel {

// What the system pane shows: the load figures and the home volume's use, read together.
struct SystemGauges {
  SystemSnapshot system;
  StorageSnapshot storage;

  bool operator==(const SystemGauges &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("system", &SystemGauges::system),
                      field("storage", &SystemGauges::storage)};
  }
};

} // namespace zavel
