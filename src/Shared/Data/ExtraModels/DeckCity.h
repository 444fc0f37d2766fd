#pragma once

#include "kit/foundation/JsonCoding.h"

#include <string>
#include <tuple>

namespace zavel {

// One row of the weather deck's saved locations.
struct DeckCity {
  std::string name; // upper-cased, as shown and as saved
  std::string temp; // "7°", "-3°", or "—" when no weather could be had
  bool fav = false;

  bool operator==(const DeckCity &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("name", &DeckCity::name), field("temp", &DeckCity::temp),
                      field("fav", &DeckCity::fav)};
  }
};

} // namespace zavel
