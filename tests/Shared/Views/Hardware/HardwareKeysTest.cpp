#include "Shared/Views/Hardware/HardwareKeys.h"
#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Glyphs/KeyGlyphs.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

View cap(bool accented, double side, double u, const View &icon) {
  return accented ? AccentKeyFace(side, u, ZavelTokens::signal, icon)
                  : KeyFace(side, u, ZavelTokens::keyInk, icon);
}

TEST(HardwareKeys, IconTakesTheInkUnlessItHasItsOwnColour) {
  const Color own = Color::rgb8(28, 174, 194);
  for (bool accented : {false, true}) {
    LaidOutTree tree =
        lay(cap(accented, 40, 1, ZStack({PlayGlyph(20), Text("OWN").foreground(own)})), {40, 40});
    EXPECT_EQ(nodes(tree, "Canvas").at(0)->as<CanvasDrawing>()->operations.at(0).paint,
              Paint{accented ? Color::white : ZavelTokens::keyInk});
    EXPECT_EQ(tree.root.findText("OWN")->as<TextRun>()->paint, Paint{own});
  }
}

TEST(HardwareKeys, PressedKeyMovesDownByTwoUnits) {
  ButtonStyle style = HardwareKeyStyle(1.5);
  View face = KeyFace(30, 1.5, ZavelTokens::keyInk, EmptyView());
  Rect rest = lay(style({face, false}), {40, 40}).root.findAll("Circle").at(0)->frame;
  Rect held = lay(style({face, true}), {40, 40}).root.findAll("Circle").at(0)->frame;
  EXPECT_EQ(held, rest.offsetBy(0, 3));
}

} // namespace
} // namespace zavel
