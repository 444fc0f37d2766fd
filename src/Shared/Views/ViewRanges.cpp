#include "Shared/Views/ViewRanges.h"

#include <algorithm>

namespace zavel {

std::vector<std::string> nonEmptyPieces(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  while (!text.empty()) {
    size_t end = std::min(text.find(separator), text.size());
    if (end > 0)
      pieces.emplace_back(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return pieces;
}

} // namespace zavel
