#include "kit/foundation/TextOperations.h"

#include <gtest/gtest.h>

using namespace kit::foundation;

TEST(TextOperations, CaseInsensitiveContainmentByLocale) {
  struct Case {
    const char *text, *search, *locale;
    bool contains;
  } cases[] = {
      {"New York", "", "en_US", false},
      {"Z\xC3\xBCrich", "zu", "de_DE", false},        // accents count
      {"\xC4\xB0stanbul", "istanbul", "tr_TR", true}, // dotted capital I in Turkish
      {"Stra\xC3\x9F"
       "e",
       "STRASSE", "de_DE", true},
  };
  for (const auto &c : cases)
    EXPECT_EQ(localizedCaseInsensitiveContains(c.text, c.search, Locale(c.locale)), c.contains)
        << c.text << " / " << c.search;
}

TEST(TextOperations, PrefixCaseTrimAndComposition) {
  // Counted in user-perceived characters: a flag is one.
  EXPECT_EQ(prefixCharacters("\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7", 1),
            "\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA");
  EXPECT_EQ(uppercased("istanbul stra\xC3\x9F"
                       "e"),
            "ISTANBUL STRASSE"); // whatever the locale
  EXPECT_EQ(prefixCharacters("ab", 5), "ab");
  EXPECT_EQ(precomposed("e\xCC\x81"), "\xC3\xA9");
  EXPECT_EQ(trimmingWhitespace("\t\xC2\xA0 AAPL \xE3\x80\x80"), "AAPL");
  EXPECT_EQ(trimmingWhitespace("\xE2\x80\x8BX"), "\xE2\x80\x8BX"); // zero-width space stays
  EXPECT_EQ(capitalized("HEAVY hail-free o'clock"), "Heavy Hail-Free O'clock");
}

TEST(TextOperations, LowerCasingIsFullAndLanguageNeutral) {
  struct Case {
    const char *name, *text, *lowered;
  } cases[] = {
      {.name = "accented capitals", .text = "\xC3\x84RGER", .lowered = "\xC3\xA4rger"},
      // Not the Turkish rule, which would drop the dot.
      {.name = "dotted capital I", .text = "\xC4\xB0STANBUL", .lowered = "i\xCC\x87stanbul"},
      {.name = "final sigma by context",
       .text = "\xCE\x9F\xCE\x94\xCE\x9F\xCE\xA3",
       .lowered = "\xCE\xBF\xCE\xB4\xCE\xBF\xCF\x82"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(lowercased(c.text), c.lowered) << c.name;
}

TEST(TextOperations, UppercaseJudgesTheFirstUserPerceivedCharacter) {
  struct Case {
    const char *name, *text;
    bool uppercase;
  } cases[] = {
      {.name = "capital letter", .text = "Q", .uppercase = true},
      {.name = "small letter", .text = "q", .uppercase = false},
      {.name = "only the first character counts", .text = "Ab", .uppercase = true},
      {.name = "capital with a combining accent", .text = "E\xCC\x81", .uppercase = true},
      {.name = "small with a combining accent", .text = "e\xCC\x81", .uppercase = false},
      {.name = "capital sharp s", .text = "\xE1\xBA\x9E", .uppercase = true},
      {.name = "sharp s", .text = "\xC3\x9F", .uppercase = false},
      {.name = "title-case digraph", .text = "\xC7\x85", .uppercase = false},
      {.name = "Cyrillic capital", .text = "\xD0\x96", .uppercase = true},
      {.name = "digit", .text = "7", .uppercase = false},
      {.name = "letter without case", .text = "\xE6\x97\xA5", .uppercase = false},
      {.name = "empty", .text = "", .uppercase = false},
  };
  for (const auto &c : cases)
    EXPECT_EQ(isUppercase(c.text), c.uppercase) << c.name;
}

// Protocol words fold their ASCII letters only: the bytes of other letters pass through, so a
// non-ASCII scheme or keyword never comes to equal an ASCII one.
TEST(TextOperations, ASCIICaseFoldingTouchesASCIILettersAlone) {
  struct Case {
    const char *name, *text, *lower, *upper;
  } cases[] = {
      {.name = "mixed word", .text = "HtTpS", .lower = "https", .upper = "HTTPS"},
      {.name = "digits and marks", .text = "utf-8+X.1", .lower = "utf-8+x.1", .upper = "UTF-8+X.1"},
      {.name = "accented capital", .text = "\xC3\x84x", .lower = "\xC3\x84x", .upper = "\xC3\x84X"},
      {.name = "dotted capital I", .text = "\xC4\xB0I", .lower = "\xC4\xB0i", .upper = "\xC4\xB0I"},
      {.name = "sharp s",
       .text = "stra\xC3\x9F"
               "e",
       .lower = "stra\xC3\x9F"
                "e",
       .upper = "STRA\xC3\x9F"
                "E"},
      {.name = "brackets beside the letters", .text = "@[`{", .lower = "@[`{", .upper = "@[`{"},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(asciiLowercased(c.text), c.lower) << c.name;
    EXPECT_EQ(asciiUppercased(c.text), c.upper) << c.name;
  }
  struct Pair {
    const char *a, *b;
    bool equal;
  } pairs[] = {
      {"HTTP", "http", true},   {"Utf-8", "UTF-8", true}, {"http", "https", false},
      {"https", "http", false}, {"", "", true},           {"\xC3\x84", "\xC3\xA4", false},
      {"\xC4\xB1", "i", false}, {"@", "`", false},
  };
  for (const auto &p : pairs)
    EXPECT_EQ(equalsIgnoringASCIICase(p.a, p.b), p.equal) << p.a << " " << p.b;
}

// Spaces within a line and line breaks, together Unicode's white space; nothing else is either.
TEST(TextOperations, WhitespaceAndNewlinesSplitUnicodeWhiteSpace) {
  enum Kind { none, space, newline };
  struct Case {
    int32_t c;
    Kind kind;
  } cases[] = {
      {' ', space},      {'\t', space},   {0xA0, space},   {0x1680, space}, {0x2000, space},
      {0x200A, space},   {0x202F, space}, {0x205F, space}, {0x3000, space}, {'\n', newline},
      {'\v', newline},   {'\f', newline}, {'\r', newline}, {0x85, newline}, {0x2028, newline},
      {0x2029, newline}, {'a', none},     {0x08, none},    {0x0E, none},    {0x1F, none},
      {0x200B, none},    {0x180E, none},  {0xFEFF, none},  {0x84, none},    {-1, none},
  };
  for (auto c : cases) {
    EXPECT_EQ(isWhitespace(c.c), c.kind == space) << std::hex << c.c;
    EXPECT_EQ(isNewline(c.c), c.kind == newline) << std::hex << c.c;
  }
}
