#include "host/QuotedText.h"

#include "kit/foundation/Utf8.h"

#include <algorithm>
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

// How a name in a message or a printed text shows the characters it keeps as they are.
enum class Form { quoted, text };

// `text` with every byte that is not UTF-8, and every control but those a text keeps (tab and line
// break), as \xNN per byte; in quoted form also a quote or a backslash escaped, and cut after
// `shownCharacters` with "…".
std::string escaped(std::string_view text, Form form, std::size_t shownCharacters) {
  std::string shown;
  std::size_t characters = 0;
  while (!text.empty()) {
    if (characters == shownCharacters) {
      shown += "…";
      break;
    }
    std::size_t length = kit::foundation::wellFormedUtf8Length(text);
    bool wellFormed = length != 0;
    std::string_view character = text.substr(0, std::max<std::size_t>(length, 1));
    bool kept = form == Form::text && (character == "\t" || character == "\n");
    if (!wellFormed || (isControl(character) && !kept)) {
      for (char byte : character)
        shown += fmt::format("\\x{:02X}", static_cast<unsigned char>(byte));
    } else if (form == Form::quoted && (character == "\"" || character == "\\")) {
      shown += '\\';
      shown += character;
    } else {
      shown += character;
    }
    text.remove_prefix(character.size());
    ++characters;
  }
  return shown;
}

std::string quoted(std::string_view text, std::size_t shownCharacters) {
  return "\"" + escaped(text, Form::quoted, shownCharacters) + "\"";
}

} // namespace

std::string quotedWord(std::string_view text) { return quoted(text, kShownCharacters); }

std::string quotedPath(const std::filesystem::path &path) {
  return quoted(path.native(), std::string::npos);
}

std::string terminalText(std::string_view text) {
  return escaped(text, Form::text, std::string::npos);
}

} // namespace zavel::host
