#include "Shared/Views/Hardware/Bars.h"
#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/ZRing.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

const Color fillColor = Color::rgb8(242, 92, 5);

// The capsules of a bar laid out 200 points wide: the track, then the fill or segment.
std::vector<const LaidOutNode *> capsules(const LaidOutTree &tree) {
  std::vector<const LaidOutNode *> found = nodes(tree, "Capsule");
  EXPECT_EQ(found.size(), 2u);
  EXPECT_EQ(found.at(0)->frame, rect(0, 17, 200, 6));
  EXPECT_EQ(found.at(0)->as<ShapeDraw>()->paint, Paint{ZavelTokens::track});
  return found;
}

TEST(TrackBar, FillCoversTheFractionButNeverLessThanADot) {
  for (auto [fraction, fillWidth] :
       {std::pair{0.02, 6.0}, {0.5, 100.0}, {1.7, 200.0}, {inf, 200.0}, {-0.2, 6.0}, {nan, 6.0}}) {
    LaidOutTree tree =
        lay(TrackBar(fraction, 12, fillColor, ZavelTokens::track, context(0.5)), {200, 40});
    const LaidOutNode *fill = capsules(tree).at(1);
    EXPECT_EQ(fill->frame, rect(0, 17, fillWidth, 6)) << fraction;
    EXPECT_EQ(fill->as<ShapeDraw>()->paint, Paint{fillColor});
  }
}

TEST(RangeBar, SegmentRunsFromStartOverLengthUnclampedNonFiniteAsZero) {
  // Past the trailing end unclamped; a zero length is a dot at the start.
  for (auto [start, length, x, width] : {std::tuple{0.25, 0.5, 50.0, 100.0},
                                         {0.8, 0.5, 160.0, 100.0},
                                         {0.4, 0.0, 80.0, 6.0},
                                         {nan, 0.5, 0.0, 100.0},
                                         {inf, 0.5, 0.0, 100.0},
                                         {0.5, nan, 100.0, 6.0},
                                         {0.5, inf, 100.0, 6.0}}) {
    LaidOutTree tree = lay(RangeBar(start, length, 6, context(1)), {200, 40});
    expectRectNear(capsules(tree).at(1)->frame, rect(x, 17, width, 6),
                   std::to_string(start) + "/" + std::to_string(length));
  }
}

// The circles of a ring in a 100 × 100 widget, and where its arc ends once rotated.
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
  for (const Path::Element &e :
       rotations[0]->findAll("Circle").at(0)->as<ShapeDraw>()->path.elements())
    if (e.verb != Path::Verb::close) {
      arc.from = arc.from.value_or(turn.apply(e.points[0]));
      arc.to = turn.apply(e.points[e.verb == Path::Verb::cubic ? 2 : 0]);
    }
  return arc;
}

TEST(ZRing, ArcStartsAtTwelveAndRunsClockwiseOverTheProgressNoneDrawingOnlyTheTrack) {
  // Diameter 80 points, centred at (50, 50).
  for (auto [progress, to] : {std::pair{0.25, std::optional<Point>{{90, 50}}},
                              {0.5, Point{50, 90}},
                              {1.3, Point{50, 10}},
                              {inf, Point{50, 10}},
                              {0.0, std::nullopt},
                              {-1.0, std::nullopt},
                              {nan, std::nullopt}}) {
    Arc arc = ringArc(progress);
    EXPECT_EQ(arc.circles, to ? 2u : 1u) << progress;
    ASSERT_EQ(arc.from.has_value(), to.has_value()) << progress;
    if (to) {
      expectPointNear(*arc.from, {50, 10}, "start", 1e-6);
      expectPointNear(*arc.to, *to, std::to_string(progress), 1e-6);
    }
  }
}

} // namespace
} // namespace zavel
