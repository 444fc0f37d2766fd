#include "Shared/Theme/HexColor.h"

#include <gtest/gtest.h>

#include <optional>

using kit::ui::Color;
using zavel::colorFromHexString;

namespace {

TEST(HexColor, ReadsSixOrEightDigitsAfterAnOptionalHashAndNothingElse) {
  constexpr Color signal = Color::rgb8(0xF2, 0x5C, 0x05);
  const std::pair<const char *, std::optional<Color>> cases[] = {
      {"#F25C05", signal},
      {"f25c05", signal},
      // No-break space, line separator and ideographic space are white space too.
      {"\t\r\n\u00A0#F25C05\u2028\u3000 ", signal},
      {"#F25C0580", Color::rgb8(0xF2, 0x5C, 0x05, 128 / 255.0)},
      // A sign counts as one of the characters; a minus only for zero.
      {"+FFFFF", Color::rgb8(15, 255, 255)},
      {"-00000", Color::black},
      {"-00001", std::nullopt},
      {"#F25C0", std::nullopt},
      {"#F25C050", std::nullopt},
      {"#F25C0G", std::nullopt},
      {"+-FFFF", std::nullopt},
      {"#F25C0\u00e9", std::nullopt}, // six bytes that are not six digits
      {"#F25C05\x01", std::nullopt},  // a control character is not white space
  };
  for (const auto &[text, color] : cases)
    EXPECT_EQ(colorFromHexString(text), color) << '"' << text << '"';
  static_assert(zavel::hexColor("#1CAEC2") == Color::rgb8(0x1C, 0xAE, 0xC2));
}

} // namespace
