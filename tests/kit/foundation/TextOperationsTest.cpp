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
