#include "host/QuotedText.h"

#include "kit/foundation/Utf8.h"

#include <fmt/format.h>

namespace zavel::host {
namespace {

constexpr std::size_t kShownCharacters = 64;

} // namespace

std::string quotedWord(std::string_view text) {
  std::string shown = "\"";
  std::size_t characters = 0;
  while (!text.empty()) {
    if (characters == kShownCharacters) {
      shown += "…";
      break;
    }
    std::size_t length = kit::foundation::wellFormedUtf8Length(text);
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
