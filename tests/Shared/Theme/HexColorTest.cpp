#include "Shared/Theme/HexColor.h"

#include <gtest/gtest.h>

#include <optional>

using kit::ui::Color;
using zavel::colorFromHexString;

namespace {

constexpr Color signalColor = Color::rgb8(0xF2, 0x5C, 0x05);

struct HexCase {
  const char *text;
  std::optional<Color> color;
};

TEST(HexColor, ReadsSixOrEightDigitsAfterAnOptionalHash) {
  const HexCase cases[] = {
      {"#F25C05", signalColor},
      {"F25C05", signalColor},
      {"#f25c05", signalColor},
      {"  #F25C05\n", signalColor},
      {"\t\r\n#F25C05 \r\n", signalColor},
      // No-break space, line separator and ideographic space are white space too.
      {"\u00A0#F25C05\u2028\u3000", signalColor},
      {"#F25C0580", Color::rgb8(0xF2, 0x5C, 0x05, 128 / 255.0)},
      {"#00000000", Color::clear},
      {"#FFFFFF", Color::white},
      // A sign counts as one of the characters.
      {"+FFFFF", Color::rgb8(15, 255, 255)},
      {"+FFFFFFF", Color::rgb8(15, 255, 255, 1)},
      {"-00000", Color::black},
  };
  for (const auto &c : cases)
    EXPECT_EQ(colorFromHexString(c.text), c.color) << '"' << c.text << '"';
}

TEST(HexColor, AnythingElseReadsAsNoColour) {
  for (const char *text : {
           "", "#",
           "#F25C0",     // five digits
           "#F25C050",   // seven
           "#F25C05805", // nine
           "##F25C05",   // seven characters remain after one "#"
           "#F25C0G",    // beyond F
           "# F25C0",    // blank after the hash
           "#F2 5C0",    // blank inside
           "0xF25C",     // no prefixes
           "+", "++FFFF", "+-FFFF",
           "-00001", // a minus sign only for zero
           "-FFFFF",
           "#F25C0\u00e9", // six bytes that are not six digits
           "#F25C05\x01",  // a control character is not white space
       })
    EXPECT_EQ(colorFromHexString(text), std::nullopt) << '"' << text << '"';
}

TEST(HexColor, ParsesAtCompileTime) {
  static_assert(zavel::hexColor("#1CAEC2") == Color::rgb8(0x1C, 0xAE, 0xC2));
  static_assert(!colorFromHexString("#1CAEC").has_value());
}

} // namespace
