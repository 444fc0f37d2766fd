#include "Shared/Views/Glyphs/KeyGlyphs.h"
#include "Shared/Views/Hardware/HardwareTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

std::vector<ShapeDraw> operations(const View &glyph, Size offer = {36, 36}) {
  return lay(glyph, offer).root.findAll("Canvas").at(0)->as<CanvasDrawing>()->operations;
}

// At size 36 one grid unit is 0.2 points; a line width of 0 is a fill.
TEST(KeyGlyphs, EachFigureHasItsBoundsAndLineWidthAtSize36) {
  struct Case {
    const char *name;
    View glyph;
    std::vector<std::pair<Rect, double>> ops;
  };
  const Case cases[] = {
      {"chevron up", ChevronGlyph(36, true), {{rect(9, 13.6, 18, 8.8), 3.6}}},
      {"chevron down", ChevronGlyph(36, false), {{rect(9, 13.6, 18, 8.8), 3.6}}},
      {"play", PlayGlyph(36), {{rect(12.4, 7.8, 16.6, 20.4), 0}}},
      {"pause", PauseGlyph(36), {{rect(9.2, 8, 17.6, 20), 0}}},
      {"next", NextGlyph(36), {{rect(10.4, 8.8, 17.2, 18.4), 0}}},
      {"house", HouseGlyph(36), {{rect(6.4, 8, 23.2, 20), 3.4}}},
      {"box dot", BoxDotGlyph(36), {{rect(6, 6, 24, 24), 3.2}, {rect(14.6, 14.6, 6.8, 6.8), 0}}},
      {"heart outline", HeartGlyph(36, false), {{rect(6.4, 8.4, 23.2, 21.2), 3}}},
      {"heart solid",
       HeartGlyph(36, true),
       {{rect(6.4, 8.4, 23.2, 21.2), 0}, {rect(6.4, 8.4, 23.2, 21.2), 3}}},
      {"sun", SunGlyph(36), {{rect(2.4, 2.4, 31.2, 31.2), 3.2}}},
      {"box plus", BoxPlusGlyph(36), {{rect(5, 5, 26, 26), 3}}},
  };
  for (const Case &c : cases) {
    std::vector<ShapeDraw> ops = operations(c.glyph);
    ASSERT_EQ(ops.size(), c.ops.size()) << c.name;
    for (std::size_t i = 0; i < ops.size(); ++i) {
      expectRectNear(ops[i].path.boundingRect(), c.ops[i].first, c.name);
      EXPECT_NEAR(ops[i].stroke ? ops[i].stroke->lineWidth : 0, c.ops[i].second, 1e-9) << c.name;
    }
  }
}

TEST(KeyGlyphs, MirroredFiguresCoverMirroredPoints) {
  struct Case {
    const char *name;
    View a, b;
    bool vertical; // mirrored about y = 18 instead of x = 18
  };
  const Case cases[] = {{"prev and next", PrevGlyph(36), NextGlyph(36), false},
                        {"chevrons", ChevronGlyph(36, true), ChevronGlyph(36, false), true}};
  for (const Case &c : cases) {
    Path b = operations(c.b).at(0).path, mirroredA;
    for (const Path::Polyline &line : operations(c.a).at(0).path.flattened()) {
      Path part;
      for (Point p : line.points) {
        Point m = c.vertical ? Point{p.x, 36 - p.y} : Point{36 - p.x, p.y};
        part.isEmpty() ? part.move(m) : part.addLine(m);
      }
      mirroredA.addPath(part);
    }
    expectRectNear(mirroredA.boundingRect(), b.boundingRect(), c.name);
    // Points well inside or well outside (not within 0.3 of an edge) must agree.
    auto settled = [&b](Point p) {
      for (Point d : {Point{0.3, 0}, {-0.3, 0}, {0, 0.3}, {0, -0.3}})
        if (b.contains({p.x + d.x, p.y + d.y}) != b.contains(p))
          return false;
      return true;
    };
    for (double x = 0.5; x < 36; x += 1.5)
      for (double y = 0.5; y < 36; y += 1.5)
        EXPECT_TRUE(!settled({x, y}) || mirroredA.contains({x, y}) == b.contains({x, y}))
            << c.name << " " << x << "," << y;
  }
}

TEST(KeyGlyphs, DrawInTheInheritedForegroundOrThePrimaryColourSquareInAnyOffer) {
  const Color ink = Color::rgb8(75, 70, 60);
  for (const View &glyph :
       {ChevronGlyph(20, true), PlayGlyph(20), PauseGlyph(20), NextGlyph(20), PrevGlyph(20),
        HouseGlyph(20), BoxDotGlyph(20), HeartGlyph(20, true), SunGlyph(20), BoxPlusGlyph(20)}) {
    for (const ShapeDraw &op : operations(glyph.foreground(ink), {20, 20}))
      EXPECT_EQ(op.paint, Paint{ink});
    for (const ShapeDraw &op : operations(glyph, {20, 20}))
      EXPECT_EQ(op.paint, Environment{}.resolvedForeground());
  }
  LaidOutTree wide = lay(SunGlyph(36), {100, 60});
  EXPECT_EQ(wide.root.findAll("Canvas").at(0)->frame, rect(32, 12, 36, 36));
  expectRectNear(operations(SunGlyph(36), {100, 60}).at(0).path.boundingRect(),
                 rect(32 + 2.4, 12 + 2.4, 31.2, 31.2), "sun in a wide offer");
}

} // namespace
} // namespace zavel
