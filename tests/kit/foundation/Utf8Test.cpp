#include "kit/foundation/Utf8.h"

#include <gtest/gtest.h>

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
