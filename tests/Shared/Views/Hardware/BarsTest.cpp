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
  std::vector<const LaidOutNode *> found = tree.root.findAll("Capsule");
  EXPECT_EQ(found.size(), 2u);
  EXPECT_EQ(found.at(0)->frame, rect(0, 17, 200, 6));
  EXPECT_EQ(found.at(0)->as<ShapeDraw>()->paint, Paint{ZavelTokens::track});
  return found;
}

TEST(TrackBar, FillCoversTheFractionButNeverLessThanADot) {
  for (auto [fraction, fillWidth] :
       {std::pair{0.02, 6.0}, {0.5, 100.0}, {1.7, 200.0}, {-0.2, 6.0}, {nan, 6.0}}) {
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
                                         {0.5, nan, 100.0, 6.0}}) {
    LaidOutTree tree = lay(RangeBar(start, length, 6, context(1)), {200, 40});
    expectRectNear(capsules(tree).at(1)->frame, rect(x, 17, width, 6),
                   std::to_string(start) + "/" + std::to_string(length));
  }
}

// A ring 80 points across, centred in a 100 point square: the circles drawn, and the bounds of the
// arc as it shows once turned.
std::pair<std::size_t, std::optional<Rect>> ringArc(double progress) {
  LaidOutTree tree =
      lay(ZRing(progress, 40, 6, fillColor, ZavelTokens::track, context(2)), {100, 100});
  std::vector<const LaidOutNode *> turned = tree.root.findAll("Rotation");
  if (turned.empty())
    return {tree.root.findAll("Circle").size(), std::nullopt};
  const AffineTransform &turn = turned[0]->as<TransformEffect>()->transform;
  const Path &arc = turned[0]->findAll("Circle").at(0)->as<ShapeDraw>()->path;
  return {tree.root.findAll("Circle").size(), arc.applying(turn).boundingRect()};
}

TEST(ZRing, ArcStartsAtTwelveAndRunsClockwiseOverTheProgressNoneDrawingOnlyTheTrack) {
  for (auto [progress, bounds] : {std::pair{0.25, std::optional<Rect>{rect(50, 10, 40, 40)}},
                                  {0.5, rect(50, 10, 40, 80)},
                                  {1.3, rect(10, 10, 80, 80)},
                                  {inf, rect(10, 10, 80, 80)},
                                  {0.0, std::nullopt},
                                  {nan, std::nullopt}}) {
    auto [circles, arc] = ringArc(progress);
    EXPECT_EQ(circles, bounds ? 2u : 1u) << progress;
    ASSERT_EQ(arc.has_value(), bounds.has_value()) << progress;
    if (bounds)
      expectRectNear(*arc, *bounds, std::to_string(progress), 1e-6);
  }
}

} // namespace
} // namespace zavel
