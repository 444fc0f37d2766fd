#include "Shared/Data/RSSStore/FeedText.h"

#include <algorithm>
#include <unicode/uchar.h>
#include <unicode/utf8.h>
#include <utility>

namespace zavel {

namespace {

// The code point starting at `at` and its length in bytes; an ill-formed sequence reads as
// U_SENTINEL, one byte long.
std::pair<UChar32, std::size_t> codePointAt(std::string_view text, std::size_t at) {
  const auto *bytes = reinterpret_cast<const uint8_t *>(text.data() + at);
  int32_t length = static_cast<int32_t>(std::min<std::size_t>(text.size() - at, 4));
  int32_t offset = 0;
  UChar32 c;
  U8_NEXT(bytes, offset, length, c);
  return {c, static_cast<std::size_t>(offset)};
}

bool isWhite(UChar32 c) {
  if (c < 0x80)
    return c == ' ' || (c >= '\t' && c <= '\r');
  return u_isUWhiteSpace(c);
}

bool isContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

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
    std::size_t start = text.size() - 1;
    while (start > 0 && text.size() - start < 4 && isContinuation(text[start]))
      --start;
    auto [c, length] = codePointAt(text, start);
    if (!isWhite(c) || start + length != text.size())
      break;
    text.remove_suffix(length);
  }
  return text;
}

} // namespace zavel
