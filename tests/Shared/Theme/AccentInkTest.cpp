#include "Shared/Theme/AccentInk.h"

#include "Shared/Theme/ColorContrast.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Theme/HexColor.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::ui::Color;

// White reads 3.3:1 on signal and 4.0:1 on ember, but 2.7:1 on teal and 1.8:1 on gold, where the
// dark key ink reads 3.5:1 and 5.2:1.
TEST(AccentInk, WhiteWhereItReadsOnTheAccentElseTheDarkKeyInk) {
  const struct {
    const char *name;
    Color accent, ink;
  } cases[] = {
      {"signal", ZavelTokens::signal, Color::white},
      {"ember", ZavelTokens::ember, Color::white},
      {"teal", ZavelTokens::teal, ZavelTokens::keyInk},
      {"gold", ZavelTokens::gold, ZavelTokens::keyInk},
      {"a light custom accent", hexColor("#F4E04D"), ZavelTokens::keyInk},
      {"a deep custom accent", hexColor("#3D2C8D"), Color::white},
      // Either side of where white falls under 3:1 (3.45:1 and 2.81:1).
      {"a mid grey", hexColor("#8A8A8A"), Color::white},
      {"a grey a step lighter", hexColor("#9A9A9A"), ZavelTokens::keyInk},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(accentInk(c.accent), c.ink) << c.name;
    EXPECT_GE(contrastRatio(accentInk(c.accent), c.accent), 3) << c.name;
  }
}

} // namespace
} // namespace zavel
