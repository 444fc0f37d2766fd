#include "Shared/Views/Glyphs/KeyGlyphs.h"
#include "Shared/Views/Hardware/HardwareTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

std::vector<ShapeDraw> operations(const View &glyph, Size offer = {36, 36}) {
  return lay(glyph, offer).root.findAll("Canvas").at(0)->as<CanvasDrawing>()->operations;
}

// Prev mirrors next about x = 18, the down chevron the up one about y = 18: points clear of the
// edges (0.3 either way) lie inside one exactly when their mirror lies inside the other.
TEST(KeyGlyphs, MirroredFiguresCoverMirroredPoints) {
  for (auto [a, b, vertical] : {std::tuple{PrevGlyph(36), NextGlyph(36), false},
                                {ChevronGlyph(36, true), ChevronGlyph(36, false), true}}) {
    Path pa = operations(a).at(0).path, pb = operations(b).at(0).path;
    auto mirror = [vertical](Point p) {
      return vertical ? Point{p.x, 36 - p.y} : Point{36 - p.x, p.y};
    };
    auto settled = [&pb](Point p) {
      for (Point d : {Point{0.3, 0}, {-0.3, 0}, {0, 0.3}, {0, -0.3}})
        if (pb.contains({p.x + d.x, p.y + d.y}) != pb.contains(p))
          return false;
      return true;
    };
    int inside = 0;
    for (double x = 0.5; x < 36; x += 1.5)
      for (double y = 0.5; y < 36; y += 1.5) {
        inside += pb.contains({x, y});
        EXPECT_TRUE(!settled({x, y}) || pa.contains(mirror({x, y})) == pb.contains({x, y}))
            << vertical << " " << x << "," << y;
      }
    EXPECT_GT(inside, 10) << vertical;
  }
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
