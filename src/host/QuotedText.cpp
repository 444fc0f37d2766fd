#include "host/QuotedText.h"

#include "kit/foundation/Utf8.h"

#include <fmt/format.h>

namespace zavel::host {
namespace {

constexpr std::size_t kShownCharacters = 64;

// C0 controls, DEL, and the C1 controls U+0080 to U+009F (C2 80 to C2 9F), which some terminals
// obey as escape sequences.
bool isControl(std::string_view character) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(character[i]); };
  if (character.size() == 1)
    return byte(0) < 0x20 || byte(0) == 0x7F;
  return character.size() == 2 && byte(0) == 0xC2 && byte(1) <= 0x9F;
}

std::string quoted(std::string_view text, std::size_t shownCharacters) {
  std::string shown = "\"";
  std::size_t characters = 0;
  while (!text.empty()) {
    if (characters == shownCharacters) {
      shown += "…";
      break;
    }
    std::size_t length = kit::foundation::wellFormedUtf8Length(text);
    unsigned char first = static_cast<unsigned char>(text.front());
    if (length == 0) {
      shown += fmt::format("\\x{:02X}", first);
      length = 1;
    } else if (isControl(text.substr(0, length))) {
      for (char byte : text.substr(0, length))
        shown += fmt::format("\\x{:02X}", static_cast<unsigned char>(byte));
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

} // namespace

std::string quotedWord(std::string_view text) { return quoted(text, kShownCharacters); }

std::string quotedPath(const std::filesystem::path &path) {
  return quoted(path.native(), std::string::npos);
}

} // namespace zavel::host
