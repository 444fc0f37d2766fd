#pragma once

#include "kit/foundation/JsonCoding.h"

#include <string>

namespace zavel {

// A quotation with who said or wrote it.
struct QuoteItem {
  std::string text;
  std::string author;

  bool operator==(const QuoteItem &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("text", &QuoteItem::text), field("author", &QuoteItem::author)};
  }
};

} // namespace zavel
