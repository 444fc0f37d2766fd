#include "kit/foundation/Utf8.h"

#include <algorithm>
#include <unicode/utf8.h>

namespace kit::foundation {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

} // namespace

size_t wellFormedUtf8Length(std::string_view text) {
  if (text.empty())
    return 0;
  auto at = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  unsigned char lead = at(0);
  if (lead < 0x80)
    return 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    return text.size() >= 2 && isContinuation(at(1)) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (text.size() < 3 || !isContinuation(at(1)) || !isContinuation(at(2)))
      return 0;
    if (lead == 0xE0 && at(1) < 0xA0)
      return 0; // overlong
    if (lead == 0xED && at(1) > 0x9F)
      return 0; // surrogate
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    if (text.size() < 4 || !isContinuation(at(1)) || !isContinuation(at(2)) ||
        !isContinuation(at(3)))
      return 0;
    if (lead == 0xF0 && at(1) < 0x90)
      return 0; // overlong
    if (lead == 0xF4 && at(1) > 0x8F)
      return 0; // beyond U+10FFFF
    return 4;
  }
  return 0;
}

std::string escapedUtf8(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string result;
  result.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    size_t length = wellFormedUtf8Length(bytes.substr(i));
    if (bytes[i] == '\\') {
      result += "\\\\";
    } else if (length > 0) {
      result.append(bytes, i, length);
      i += length;
      continue;
    } else {
      auto byte = static_cast<unsigned char>(bytes[i]);
      result += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
    }
    ++i;
  }
  return result;
}

std::string sanitizedUtf8(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    size_t length = wellFormedUtf8Length(text.substr(i));
    if (length == 0) {
      result += kReplacement;
      ++i;
      // One replacement per maximal ill-formed run of continuation bytes.
      while (i < text.size() && isContinuation(static_cast<unsigned char>(text[i])))
        ++i;
      continue;
    }
    result.append(text.substr(i, length));
    i += length;
  }
  return result;
}

CodePoint codePointAt(std::string_view text, size_t at) {
  const auto *bytes = reinterpret_cast<const uint8_t *>(text.data() + at);
  auto length = static_cast<int32_t>(std::min<size_t>(text.size() - at, 4));
  int32_t offset = 0;
  UChar32 c;
  U8_NEXT(bytes, offset, length, c);
  return {c, static_cast<size_t>(offset)};
}

size_t characterStart(std::string_view text, size_t at) {
  while (at > 0 && isContinuation(static_cast<unsigned char>(text[at])))
    --at;
  return at;
}

} // namespace kit::foundation
