#pragma once

#include <string>
#include <string_view>
#include <unicode/unistr.h>

namespace kit::foundation {

// UTF-8 text as ICU's UTF-16 strings and back; ill-formed bytes become U+FFFD.
icu::UnicodeString unicodeText(std::string_view text);
std::string utf8Text(const icu::UnicodeString &text);

} // namespace kit::foundation
