#pragma once

#include "kit/foundation/Locale.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kit::foundation {

// Whether `text` contains `search`, ignoring case by the locale's rules (Turkish dotted and
// dotless i included) but not accents; an empty search text is contained nowhere.
bool localizedCaseInsensitiveContains(std::string_view text, std::string_view search,
                                      const Locale &locale);

// The first `count` user-perceived characters: a letter with its accents, a flag or an emoji
// sequence is one character and is never cut.
std::string prefixCharacters(std::string_view text, size_t count);

// Upper case by the language-neutral rules ("ß" becomes "SS").
std::string uppercased(std::string_view text);
// Lower case by the language-neutral rules ("İ" becomes "i" with a combining dot above).
std::string lowercased(std::string_view text);

// ASCII letters alone folded, every other byte kept, whatever the locale: for the words of a
// protocol or file format (URL schemes, encoding names, calendar keywords), not for text a user
// reads.
constexpr char asciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char asciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
std::string asciiLowercased(std::string_view text);
std::string asciiUppercased(std::string_view text);
// Inline: the calendar scanner compares every property name with it.
inline bool equalsIgnoringASCIICase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, {}, asciiLower, asciiLower);
}

// Whether the first user-perceived character of `text` is an upper-case letter: one that lower
// casing changes and upper casing keeps ("É" written with a combining accent is; "ǅ", "ß" and
// digits are not). False for an empty text.
bool isUppercase(std::string_view text);

// Every word begun with its title-case letter and the rest lower-cased ("partly CLOUDY" becomes
// "Partly Cloudy"), by the language-neutral rules; words are those of the word-break rules, so
// "hail-free" becomes "Hail-Free" and "o'clock" "O'clock".
std::string capitalized(std::string_view text);

// White space within a line: the tab and the space separators (Unicode category Zs).
bool isWhitespace(int32_t c);
// A line break: line feed, vertical tab, form feed, carriage return, next line, and the line and
// paragraph separators. With `isWhitespace`, Unicode's White_Space.
bool isNewline(int32_t c);

// Without the spaces (Unicode space separators) and tabs at either end; line breaks stay.
std::string trimmingWhitespace(std::string_view text);

// The composed normal form, so texts that look the same compare equal.
std::string precomposed(std::string_view text);

} // namespace kit::foundation
