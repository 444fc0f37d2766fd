#include "kit/foundation/JsonNesting.h"

namespace kit::foundation {

bool jsonNestsWithin(std::string_view text, std::size_t largest) {
  std::size_t depth = 0;
  bool inString = false;
  bool escaped = false;
  for (char c : text) {
    if (inString) {
      if (escaped)
        escaped = false;
      else if (c == '\\')
        escaped = true;
      else if (c == '"')
        inString = false;
      continue;
    }
    switch (c) {
    case '"':
      inString = true;
      break;
    case '[':
    case '{':
      if (++depth > largest)
        return false;
      break;
    case ']':
    case '}':
      // Unbalanced closers are the parser's to refuse; they never make text deeper.
      if (depth > 0)
        --depth;
      break;
    default:
      break;
    }
  }
  return true;
}

} // namespace kit::foundation
