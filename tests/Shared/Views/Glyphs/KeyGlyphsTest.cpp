#include "Shared/Views/Glyphs/KeyGlyphs.h"
#include "kit/ui/LayoutTesting.h"
#include "kit/ui/RenderTesting.h"
#include "kit/ui/UI.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using namespace kit::ui;
using kit::ui::testing::lay;
using kit::ui::testing::rect;

const CanvasDrawing &drawingOf(const LaidOutTree &tree) {
  return *tree.root.findAll("Canvas").at(0)->as<CanvasDrawing>();
}

std::vector<ShapeDraw> operationsAt36(const View &glyph) {
  return drawingOf(lay(glyph, {36, 36})).operations;
}

void expectRectNear(const Rect &actual, const Rect &expected, const std::string &name) {
  EXPECT_NEAR(actual.minX(), expected.minX(), 1e-9) << name;
  EXPECT_NEAR(actual.minY(), expected.minY(), 1e-9) << name;
  EXPECT_NEAR(actual.size.width, expected.size.width, 1e-9) << name;
  EXPECT_NEAR(actual.size.height, expected.size.height, 1e-9) << name;
}

// At size 36 one grid unit is 0.2 points.
TEST(KeyGlyphs, EachFigureHasItsBoundsStrokeAndCapsAtSize36) {
  struct Op {
    Rect bounds;
    std::optional<StrokeStyle> stroke;
  };
  auto stroke = [](double width, LineCap cap, LineJoin join) {
    return StrokeStyle{.lineWidth = width, .lineCap = cap, .lineJoin = join, .miterLimit = 10};
  };
  struct Case {
    const char *name;
    View glyph;
    std::vector<Op> ops;
  };
  Case cases[] = {
      {"chevron up",
       ChevronGlyph(36, true),
       {{rect(9, 13.6, 18, 8.8), stroke(3.6, LineCap::round, LineJoin::round)}}},
      {"chevron down",
       ChevronGlyph(36, false),
       {{rect(9, 13.6, 18, 8.8), stroke(3.6, LineCap::round, LineJoin::round)}}},
      {"play", PlayGlyph(36), {{rect(12.4, 7.8, 16.6, 20.4), std::nullopt}}},
      {"pause", PauseGlyph(36), {{rect(9.2, 8, 17.6, 20), std::nullopt}}},
      {"next", NextGlyph(36), {{rect(10.4, 8.8, 17.2, 18.4), std::nullopt}}},
      {"prev", PrevGlyph(36), {{rect(8.4, 8.8, 17.2, 18.4), std::nullopt}}},
      {"house",
       HouseGlyph(36),
       {{rect(6.4, 8, 23.2, 20), stroke(3.4, LineCap::round, LineJoin::round)}}},
      {"box dot",
       BoxDotGlyph(36),
       {{rect(6, 6, 24, 24), stroke(3.2, LineCap::butt, LineJoin::miter)},
        {rect(14.6, 14.6, 6.8, 6.8), std::nullopt}}},
      {"heart outline",
       HeartGlyph(36, false),
       {{rect(6.4, 8.4, 23.2, 21.2), stroke(3, LineCap::butt, LineJoin::round)}}},
      {"heart solid",
       HeartGlyph(36, true),
       {{rect(6.4, 8.4, 23.2, 21.2), std::nullopt},
        {rect(6.4, 8.4, 23.2, 21.2), stroke(3, LineCap::butt, LineJoin::round)}}},
      {"sun",
       SunGlyph(36),
       {{rect(2.4, 2.4, 31.2, 31.2), stroke(3.2, LineCap::round, LineJoin::miter)}}},
      {"box plus",
       BoxPlusGlyph(36),
       {{rect(5, 5, 26, 26), stroke(3, LineCap::round, LineJoin::miter)}}},
  };
  for (const Case &c : cases) {
    std::vector<ShapeDraw> ops = operationsAt36(c.glyph);
    ASSERT_EQ(ops.size(), c.ops.size()) << c.name;
    for (std::size_t i = 0; i < ops.size(); ++i) {
      expectRectNear(ops[i].path.boundingRect(), c.ops[i].bounds, c.name);
      ASSERT_EQ(ops[i].stroke.has_value(), c.ops[i].stroke.has_value()) << c.name;
      if (ops[i].stroke) {
        EXPECT_NEAR(ops[i].stroke->lineWidth, c.ops[i].stroke->lineWidth, 1e-9) << c.name;
        EXPECT_EQ(ops[i].stroke->lineCap, c.ops[i].stroke->lineCap) << c.name;
        EXPECT_EQ(ops[i].stroke->lineJoin, c.ops[i].stroke->lineJoin) << c.name;
        EXPECT_EQ(ops[i].stroke->miterLimit, 10) << c.name;
        EXPECT_TRUE(ops[i].stroke->dash.empty()) << c.name;
      }
    }
  }
}

TEST(KeyGlyphs, PauseBarsAreSixPointsWideWithAGapBetween) {
  Path bars = operationsAt36(PauseGlyph(36)).at(0).path;
  // Bars span x 9.2–15.2 and 20.8–26.8, y 8–28.
  for (auto [x, inside] : {std::pair{9.4, true},
                           {15.0, true},
                           {15.4, false},
                           {20.6, false},
                           {21.0, true},
                           {26.6, true},
                           {27.0, false}})
    EXPECT_EQ(bars.contains({x, 18}), inside) << x;
  EXPECT_TRUE(bars.contains({12, 8.5}));
  EXPECT_FALSE(bars.contains({12, 28.5}));
}

TEST(KeyGlyphs, MirroredFiguresCoverMirroredPoints) {
  struct Case {
    const char *name;
    View a, b;
    bool vertical; // mirrored about y = 18 instead of x = 18
  };
  Case cases[] = {{"prev and next", PrevGlyph(36), NextGlyph(36), false},
                  {"chevron up and down", ChevronGlyph(36, true), ChevronGlyph(36, false), true}};
  for (const Case &c : cases) {
    std::vector<Path::Polyline> a = operationsAt36(c.a).at(0).path.flattened();
    Path b = operationsAt36(c.b).at(0).path;
    Path mirroredA;
    for (const Path::Polyline &line : a) {
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
      bool in = b.contains(p);
      for (Point d : {Point{0.3, 0}, {-0.3, 0}, {0, 0.3}, {0, -0.3}})
        if (b.contains({p.x + d.x, p.y + d.y}) != in)
          return false;
      return true;
    };
    for (double x = 0.5; x < 36; x += 1.5)
      for (double y = 0.5; y < 36; y += 1.5) {
        if (!settled({x, y}))
          continue;
        EXPECT_EQ(mirroredA.contains({x, y}), b.contains({x, y})) << c.name << " " << x << "," << y;
      }
  }
}

TEST(KeyGlyphs, DrawInTheInheritedForegroundOrThePrimaryColour) {
  std::vector<View> glyphs = {ChevronGlyph(20, true), PlayGlyph(20),        PauseGlyph(20),
                              NextGlyph(20),          PrevGlyph(20),        HouseGlyph(20),
                              BoxDotGlyph(20),        HeartGlyph(20, true), SunGlyph(20),
                              BoxPlusGlyph(20)};
  const Color ink = Color::rgb8(75, 70, 60);
  for (const View &glyph : glyphs) {
    for (const ShapeDraw &op : drawingOf(lay(glyph.foreground(ink), {20, 20})).operations)
      EXPECT_EQ(op.paint, Paint{ink});
    for (const ShapeDraw &op : drawingOf(lay(glyph, {20, 20})).operations)
      EXPECT_EQ(op.paint, Environment{}.resolvedForeground());
  }
}

TEST(KeyGlyphs, StaySquareAndUnscaledInAnyOffer) {
  LaidOutTree tree = lay(SunGlyph(36), {100, 60});
  const LaidOutNode *canvas = tree.root.findAll("Canvas").at(0);
  EXPECT_EQ(canvas->frame, rect(32, 12, 36, 36));
  expectRectNear(drawingOf(tree).operations.at(0).path.boundingRect(),
                 rect(32 + 2.4, 12 + 2.4, 31.2, 31.2), "sun in a wide offer");
}

TEST(KeyGlyphs, PaintInkInsideTheFigureOnly) {
  const Color ink = Color::rgb8(75, 70, 60);
  Image play = kit::ui::testing::draw(PlayGlyph(36).foreground(ink), {36, 36}, 4);
  EXPECT_TRUE(kit::ui::testing::near(play.pixel(4 * 16, 4 * 18), ink));
  EXPECT_EQ(play.pixel(4 * 30, 4 * 8).alpha, 0);
  Image heart = kit::ui::testing::draw(HeartGlyph(36, false).foreground(ink), {36, 36}, 4);
  EXPECT_EQ(heart.pixel(4 * 18, 4 * 20).alpha, 0); // an outline leaves the middle open
  EXPECT_TRUE(kit::ui::testing::near(heart.pixel(4 * 18, 4 * 29), ink));
}

} // namespace
} // namespace zavel
