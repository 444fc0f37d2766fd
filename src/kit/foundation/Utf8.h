#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kit::foundation {

// Text from outside (files, feeds, calendars, host records) as valid UTF-8: every ill-formed
// sequence becomes U+FFFD, so encoding it later can never fail.
std::string sanitizedUtf8(std::string_view text);

// Bytes that may not be UTF-8 (a file or folder name) as valid UTF-8 that still tells any two
// apart: each byte of an ill-formed sequence becomes "\xNN" (upper-case hex), and a backslash
// "\\".
std::string escapedUtf8(std::string_view bytes);

// The length of the well-formed UTF-8 sequence that starts `text` (1 to 4 bytes), 0 when it
// starts with none: a stray or missing continuation byte, an overlong form, a surrogate or a
// code point past U+10FFFF. Empty text has none.
size_t wellFormedUtf8Length(std::string_view text);

// The code point that starts at byte `at` of `text` and the bytes it takes; an ill-formed
// sequence reads as -1, as long as its ill-formed part.
struct CodePoint {
  int32_t value = -1;
  size_t length = 0;
};
CodePoint codePointAt(std::string_view text, size_t at);

// Where the character that byte `at` lies in begins: `at` moved back over continuation bytes,
// so text cut there never ends inside a character.
size_t characterStart(std::string_view text, size_t at);

} // namespace kit::foundation
