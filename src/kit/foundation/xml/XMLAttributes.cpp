#include "kit/foundation/xml/XMLAttributes.h"

namespace kit::foundation {

std::size_t XMLAttributes::size() const {
  std::size_t count = 0;
  for (const char *const *at = pairs_; *at; at += 2)
    ++count;
  return count;
}

std::optional<std::string_view> XMLAttributes::value(std::string_view name) const {
  for (const char *const *at = pairs_; *at; at += 2)
    if (name == at[0])
      return std::string_view(at[1]);
  return std::nullopt;
}

} // namespace kit::foundation
