#include "host/QuotedText.h"

#include <fmt/format.h>

namespace zavel::host {
namespace {

constexpr std::size_t kShownCharacters = 64;

// The length of the well-formed UTF-8 sequence at the start of `text`, 0 when there is none.
std::size_t sequenceLength(std::string_view text) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(0);
  if (lead < 0x80)
    return 1;
  std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || text.size() < length)
    return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((byte(i) & 0xC0) != 0x80)
      return 0;
  // No overlong forms, surrogates or code points past U+10FFFF.
  unsigned char second = byte(1);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
    return 0;
  return length;
}

} // namespace

std::string quotedWord(std::string_view text) {
  std::string shown = "\"";
  std::size_t characters = 0;
  while (!text.empty()) {
    if (characters == kShownCharacters) {
      shown += "…";
      break;
    }
    std::size_t length = sequenceLength(text);
    unsigned char first = static_cast<unsigned char>(text.front());
    if (length == 0 || first < 0x20 || first == 0x7F) {
      shown += fmt::format("\\x{:02X}", first);
      length = 1;
    } else if (first == '"' || first == '\\') {
      shown += '\\';
      shown += text.front();
    } else {
      shown.append(text.substr(0, length));
    }
    text.remove_prefix(length);
    ++characters;
  }
  return shown + "\"";
}

} // namespace zavel::host
