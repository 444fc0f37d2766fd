#include "Shared/Views/Hardware/Bars.h"
#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/ZRing.h"

#include <cmath>
#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

const Color fillColor = Color::rgb8(242, 92, 5);

// The capsules of a bar laid out 200 points wide: the track, then the fill or segment.
struct Drawn {
  Rect frame;
  Paint paint;
};
std::vector<Drawn> capsules(const View &bar) {
  LaidOutTree tree = lay(bar, {200, 40});
  std::vector<Drawn> drawn;
  for (const LaidOutNode *node : tree.root.findAll("Capsule"))
    drawn.push_back({node->frame, node->as<ShapeDraw>()->paint});
  return drawn;
}

TEST(TrackBar, FillCoversTheFractionButNeverLessThanADot) {
  struct Case {
    double fraction, fillWidth;
  };
  for (const Case &c : {Case{0, 6}, Case{0.02, 6}, Case{0.5, 100}, Case{1, 200}, Case{1.7, 200},
                        Case{inf, 200}, Case{-0.2, 6}, Case{nan, 6}, Case{-inf, 6}}) {
    auto bar = capsules(TrackBar(c.fraction, 12, fillColor, ZavelTokens::track, context(0.5)));
    ASSERT_EQ(bar.size(), 2u) << c.fraction;
    EXPECT_EQ(bar[0].frame, rect(0, 17, 200, 6)) << c.fraction;
    EXPECT_EQ(bar[1].frame, rect(0, 17, c.fillWidth, 6)) << c.fraction;
    EXPECT_EQ(bar[0].paint, Paint{ZavelTokens::track});
    EXPECT_EQ(bar[1].paint, Paint{fillColor});
  }
}

TEST(RangeBar, SegmentRunsFromStartOverLengthUnclamped) {
  struct Case {
    double start, length;
    Rect segment;
  };
  for (const Case &c : {
           Case{0.25, 0.5, rect(50, 17, 100, 6)},
           Case{0.8, 0.5, rect(160, 17, 100, 6)}, // past the trailing end
           Case{0.4, 0, rect(80, 17, 6, 6)},      // a dot at the start
           Case{-0.1, 0.3, rect(-20, 17, 60, 6)},
           Case{nan, 0.5, rect(0, 17, 100, 6)}, // not finite: taken as 0
           Case{inf, 0.5, rect(0, 17, 100, 6)},
           Case{0.5, nan, rect(100, 17, 6, 6)},
           Case{0.5, -inf, rect(100, 17, 6, 6)},
       }) {
    auto bar = capsules(RangeBar(c.start, c.length, 6, context(1)));
    ASSERT_EQ(bar.size(), 2u);
    EXPECT_EQ(bar[0].frame, rect(0, 17, 200, 6));
    EXPECT_EQ(bar[0].paint, Paint{ZavelTokens::track});
    expectRectNear(bar[1].frame, c.segment,
                   std::to_string(c.start) + "/" + std::to_string(c.length));
    EXPECT_EQ(bar[1].paint, Paint{ZavelTokens::dataTeal});
  }
}

// Where the arc starts and ends once rotated, in a 100 × 100 widget.
struct Arc {
  std::size_t circles;
  std::optional<Point> from, to;
};

Arc ringArc(double progress) {
  LaidOutTree tree =
      lay(ZRing(progress, 40, 6, fillColor, ZavelTokens::track, context(2)), {100, 100});
  Arc arc{tree.root.findAll("Circle").size(), std::nullopt, std::nullopt};
  auto rotations = tree.root.findAll("Rotation");
  if (rotations.empty())
    return arc;
  const AffineTransform &turn = rotations[0]->as<TransformEffect>()->transform;
  const ShapeDraw &draw = *rotations[0]->findAll("Circle").at(0)->as<ShapeDraw>();
  arc.from = turn.apply(draw.path.elements().front().points[0]);
  for (const Path::Element &e : draw.path.elements()) {
    if (e.verb != Path::Verb::close)
      arc.to = turn.apply(e.points[e.verb == Path::Verb::cubic ? 2 : 0]);
  }
  return arc;
}

TEST(ZRing, ArcStartsAtTwelveAndRunsClockwiseOverTheProgress) {
  // Diameter 80 points, centred at (50, 50).
  struct Case {
    double progress;
    Point to;
  };
  for (const Case &c : {Case{0.25, {90, 50}}, Case{0.5, {50, 90}}, Case{1, {50, 10}},
                        Case{1.3, {50, 10}}, Case{inf, {50, 10}}}) {
    Arc arc = ringArc(c.progress);
    EXPECT_EQ(arc.circles, 2u) << c.progress;
    ASSERT_TRUE(arc.from) << c.progress;
    expectPointNear(*arc.from, {50, 10}, "start", 1e-6);
    expectPointNear(*arc.to, c.to, std::to_string(c.progress), 1e-6);
  }
}

TEST(ZRing, NoProgressDrawsOnlyTheTrack) {
  for (double progress : {0.0, -1.0, -0.0, nan, -inf}) {
    Arc arc = ringArc(progress);
    EXPECT_EQ(arc.circles, 1u) << progress;
    EXPECT_FALSE(arc.from) << progress;
  }
}

TEST(ZRing, StrokesAreCentredOnTheDiameter) {
  LaidOutTree tree = lay(ZRing(0.5, 40, 6, fillColor, ZavelTokens::track, context(0.5)), {20, 20});
  std::vector<ShapeDraw> circles = shapes(tree, "Circle");
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(tree.root.findAll("Circle").at(0)->frame, rect(0, 0, 20, 20));
  EXPECT_EQ(circles[0].path.boundingRect(), rect(0, 0, 20, 20));
  EXPECT_EQ(circles[0].stroke, (StrokeStyle{.lineWidth = 3}));
  EXPECT_EQ(circles[0].paint, Paint{ZavelTokens::track});
  EXPECT_EQ(circles[1].stroke, (StrokeStyle{.lineWidth = 3, .lineCap = LineCap::round}));
  EXPECT_EQ(circles[1].paint, Paint{fillColor});
}

} // namespace
} // namespace zavel
