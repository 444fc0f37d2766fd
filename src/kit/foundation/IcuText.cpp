#include "kit/foundation/IcuText.h"

namespace kit::foundation {

icu::UnicodeString unicodeText(std::string_view text) {
  return icu::UnicodeString::fromUTF8(
      icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::string utf8Text(const icu::UnicodeString &text) {
  std::string result;
  return text.toUTF8String(result);
}

} // namespace kit::foundation
