#include "kit/foundation/Utf8.h"

#include <gtest/gtest.h>

using kit::foundation::escapedUtf8;
using kit::foundation::sanitizedUtf8;

TEST(Utf8, IllFormedSequencesBecomeReplacementCharactersAndTheRestStays) {
  struct Case {
    std::string_view in, out;
  } cases[] = {
      {"caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80", "caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80"},
      {"a\xFFz", "a\xEF\xBF\xBDz"},         // byte that never starts a sequence
      {"\xC3", "\xEF\xBF\xBD"},             // truncated at the end
      {"\xC0\xAF", "\xEF\xBF\xBD"},         // overlong slash, one run
      {"\xED\xA0\x80", "\xEF\xBF\xBD"},     // surrogate
      {"\xF4\x90\x80\x80", "\xEF\xBF\xBD"}, // above U+10FFFF
      {"\xE2\x80x", "\xEF\xBF\xBDx"},       // sequence cut by an ASCII byte
      {"x\x80\x80y", "x\xEF\xBF\xBDy"},     // a run of stray continuation bytes
  };
  for (const auto &c : cases)
    EXPECT_EQ(sanitizedUtf8(c.in), c.out) << testing::PrintToString(std::string(c.in));
}

// Names that are not UTF-8 stay apart once escaped: each ill-formed byte as \xNN, a backslash
// doubled, so no name can pass for another's escape.
TEST(Utf8, EscapedBytesKeepEveryNameApart) {
  struct Case {
    std::string_view in, out;
  } cases[] = {
      {"caf\xC3\xA9 \xF0\x9F\x98\x80", "caf\xC3\xA9 \xF0\x9F\x98\x80"},
      {"\xFE", "\\xFE"},
      {"\xFF", "\\xFF"},
      {"\\xFF", "\\\\xFF"},
      {"a\xC3", "a\\xC3"},
      {"\xC0\xAF", "\\xC0\\xAF"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(escapedUtf8(c.in), c.out) << testing::PrintToString(std::string(c.in));
}

// A code point is read whole from its first byte; ill-formed bytes read as none.
TEST(Utf8, CodePointsAreReadWholeOrAsNone) {
  using kit::foundation::codePointAt;
  struct Case {
    std::string_view text;
    size_t at;
    int32_t value;
    size_t length;
  } cases[] = {
      {"a\xC3\xA9", 0, 'a', 1},       {"a\xC3\xA9", 1, 0xE9, 2},
      {"\xE2\x80\xA8", 0, 0x2028, 3}, {"x\xF0\x9F\x98\x80y", 1, 0x1F600, 4},
      {"\xC3\xA9", 1, -1, 1},     // a continuation byte
      {"\xE2\x80", 0, -1, 2},     // cut short by the end
      {"\xC0\xAF", 0, -1, 1},     // overlong
      {"\xED\xA0\x80", 0, -1, 1}, // surrogate
  };
  for (const auto &c : cases) {
    auto read = codePointAt(c.text, c.at);
    EXPECT_EQ(read.value, c.value) << c.at << " " << testing::PrintToString(std::string(c.text));
    EXPECT_EQ(read.length, c.length) << c.at << " " << testing::PrintToString(std::string(c.text));
  }
}

// A cut moved to the start of its character keeps every character before it whole.
TEST(Utf8, CharacterStartIsTheLeadByteAtOrBeforeTheCut) {
  using kit::foundation::characterStart;
  std::string_view text = "a\xC3\xA9\xF0\x9F\x98\x80z";
  size_t expected[] = {0, 1, 1, 3, 3, 3, 3, 7};
  for (size_t at = 0; at < text.size(); ++at)
    EXPECT_EQ(characterStart(text, at), expected[at]) << at;
  EXPECT_EQ(characterStart("\x80\x80\x80", 2), 0u); // nothing but continuation bytes
}
