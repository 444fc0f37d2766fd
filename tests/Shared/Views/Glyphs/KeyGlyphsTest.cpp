#include "Shared/Views/Glyphs/KeyGlyphs.h"
#include "Shared/Views/ViewTesting.h"
#include "kit/ui/RenderTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

struct NamedGlyph {
  const char *name;
  View glyph;
};

std::vector<NamedGlyph> glyphs(double size) {
  return {{.name = "chevron", .glyph = ChevronGlyph(size, true)},
          {.name = "play", .glyph = PlayGlyph(size)},
          {.name = "pause", .glyph = PauseGlyph(size)},
          {.name = "next", .glyph = NextGlyph(size)},
          {.name = "previous", .glyph = PrevGlyph(size)},
          {.name = "house", .glyph = HouseGlyph(size)},
          {.name = "box with a dot", .glyph = BoxDotGlyph(size)},
          {.name = "heart", .glyph = HeartGlyph(size, true)},
          {.name = "sun", .glyph = SunGlyph(size)},
          {.name = "box with a plus", .glyph = BoxPlusGlyph(size)}};
}

std::vector<ShapeDraw> operations(const View &glyph, Size offer = {36, 36}) {
  return lay(glyph, offer).root.findAll("Canvas").at(0)->as<CanvasDrawing>()->operations;
}

TEST(KeyGlyphs, DrawInTheInheritedForegroundOrThePrimaryColour) {
  const Color ink = Color::rgb8(75, 70, 60);
  for (const auto &[name, glyph] : glyphs(20)) {
    std::vector<ShapeDraw> inked = operations(glyph.foreground(ink), {20, 20});
    EXPECT_FALSE(inked.empty()) << name;
    for (const ShapeDraw &op : inked)
      EXPECT_EQ(op.paint, Paint{ink}) << name;
    for (const ShapeDraw &op : operations(glyph, {20, 20}))
      EXPECT_EQ(op.paint, Environment{}.resolvedForeground()) << name;
  }
}

// Drawn at 20 points in the middle of a 40-point square, two pixels a point: a figure inks at least
// a twentieth of its square (the thin chevron about a fourteenth) and nothing outside it.
TEST(KeyGlyphs, EachDrawsItsFigureWithinItsSquare) {
  for (const auto &[name, glyph] : glyphs(20)) {
    Image image = kit::ui::testing::draw(glyph, {40, 40}, 2);
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        bool inSquare = x >= 20 && x < 60 && y >= 20 && y < 60;
        if (image.pixel(x, y).alpha > 0.5)
          ++(inSquare ? inside : outside);
      }
    EXPECT_GE(inside, 40 * 40 / 20) << name;
    EXPECT_EQ(outside, 0) << name;
  }
}

} // namespace
} // namespace zavel
