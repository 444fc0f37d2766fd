#include "Shared/Views/Glyphs/KeyGlyphs.h"
#include "Shared/Views/ViewTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

std::vector<ShapeDraw> operations(const View &glyph, Size offer = {36, 36}) {
  return lay(glyph, offer).root.findAll("Canvas").at(0)->as<CanvasDrawing>()->operations;
}

TEST(KeyGlyphs, DrawInTheInheritedForegroundOrThePrimaryColour) {
  const Color ink = Color::rgb8(75, 70, 60);
  for (const View &glyph :
       {ChevronGlyph(20, true), PlayGlyph(20), PauseGlyph(20), NextGlyph(20), PrevGlyph(20),
        HouseGlyph(20), BoxDotGlyph(20), HeartGlyph(20, true), SunGlyph(20), BoxPlusGlyph(20)}) {
    for (const ShapeDraw &op : operations(glyph.foreground(ink), {20, 20}))
      EXPECT_EQ(op.paint, Paint{ink});
    for (const ShapeDraw &op : operations(glyph, {20, 20}))
      EXPECT_EQ(op.paint, Environment{}.resolvedForeground());
  }
}

} // namespace
} // namespace zavel
