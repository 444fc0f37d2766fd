#include "Shared/Data/RSSStore/FeedText.h"

#include "kit/foundation/TextOperations.h"
#include "kit/foundation/Utf8.h"

#include <algorithm>
#include <utility>

namespace zavel {

namespace {

using kit::foundation::codePointAt;

// Unicode's white space: within a line or between lines.
bool isWhite(int32_t c) {
  return kit::foundation::isWhitespace(c) || kit::foundation::isNewline(c);
}

bool isAscii(char byte) { return static_cast<unsigned char>(byte) < 0x80; }

} // namespace

// Nearly every end is an ASCII byte, read as it is; a code point is decoded only at the others.
std::string_view trimmingWhitespaceAndNewlines(std::string_view text) {
  while (!text.empty()) {
    if (isAscii(text.front())) {
      if (!isWhite(text.front()))
        break;
      text.remove_prefix(1);
      continue;
    }
    auto [c, length] = codePointAt(text, 0);
    if (!isWhite(c))
      break;
    text.remove_prefix(length);
  }
  while (!text.empty()) {
    if (isAscii(text.back())) {
      if (!isWhite(text.back()))
        break;
      text.remove_suffix(1);
      continue;
    }
    // The last character, if it is one: its lead byte lies at most three bytes before the end.
    std::size_t start = std::max(kit::foundation::characterStart(text, text.size() - 1),
                                 text.size() - std::min<std::size_t>(text.size(), 4));
    auto [c, length] = codePointAt(text, start);
    if (!isWhite(c) || start + length != text.size())
      break;
    text.remove_suffix(length);
  }
  return text;
}

} // namespace zavel
