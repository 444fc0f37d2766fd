#include "Shared/Views/Hardware/Bars.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/ZRing.h"
#include "Shared/Views/ViewTesting.h"

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
  struct Case {
    double fraction, fillWidth;
  };
  for (const Case &c :
       {Case{.fraction = 0.02, .fillWidth = 6}, Case{.fraction = 0.5, .fillWidth = 100},
        Case{.fraction = 1.7, .fillWidth = 200}, Case{.fraction = -0.2, .fillWidth = 6},
        Case{.fraction = nan, .fillWidth = 6}}) {
    LaidOutTree tree =
        lay(TrackBar(c.fraction, {.height = 12, .fill = fillColor}, context(0.5)), {200, 40});
    const LaidOutNode *fill = capsules(tree).at(1);
    EXPECT_EQ(fill->frame, rect(0, 17, c.fillWidth, 6)) << c.fraction;
    EXPECT_EQ(fill->as<ShapeDraw>()->paint, Paint{fillColor});
  }
}

TEST(RangeBar, SegmentRunsFromStartOverLengthUnclampedNonFiniteAsZero) {
  // Past the trailing end unclamped; a zero length is a dot at the start.
  struct Case {
    double start, length, x, width;
  };
  for (const Case &c : {Case{.start = 0.25, .length = 0.5, .x = 50, .width = 100},
                        Case{.start = 0.8, .length = 0.5, .x = 160, .width = 100},
                        Case{.start = 0.4, .length = 0, .x = 80, .width = 6},
                        Case{.start = nan, .length = 0.5, .x = 0, .width = 100},
                        Case{.start = 0.5, .length = nan, .x = 100, .width = 6}}) {
    LaidOutTree tree =
        lay(RangeBar(c.start, c.length, {.height = 6, .fill = fillColor}, context(1)), {200, 40});
    expectRectNear(capsules(tree).at(1)->frame, rect(c.x, 17, c.width, 6),
                   std::to_string(c.start) + "/" + std::to_string(c.length));
    EXPECT_EQ(capsules(tree).at(1)->as<ShapeDraw>()->paint, Paint{fillColor});
  }
}

// A ring 80 points across, centred in a 100 point square: the circles drawn, and the bounds of the
// arc as it shows once turned.
std::pair<std::size_t, std::optional<Rect>> ringArc(double progress) {
  LaidOutTree tree =
      lay(ZRing(progress,
                {.diameter = 40, .stroke = 6, .color = fillColor, .track = ZavelTokens::track},
                context(2)),
          {100, 100});
  std::vector<const LaidOutNode *> turned = tree.root.findAll("Rotation");
  if (turned.empty())
    return {tree.root.findAll("Circle").size(), std::nullopt};
  const AffineTransform &turn = turned[0]->as<TransformEffect>()->transform;
  const Path &arc = turned[0]->findAll("Circle").at(0)->as<ShapeDraw>()->path;
  return {tree.root.findAll("Circle").size(), arc.applying(turn).boundingRect()};
}

TEST(ZRing, ArcStartsAtTwelveAndRunsClockwiseOverTheProgressNoneDrawingOnlyTheTrack) {
  struct Case {
    double progress;
    std::optional<Rect> bounds; // none: no arc, only the track
  };
  for (const Case &c : {Case{.progress = 0.25, .bounds = rect(50, 10, 40, 40)},
                        Case{.progress = 0.5, .bounds = rect(50, 10, 40, 80)},
                        Case{.progress = 1.3, .bounds = rect(10, 10, 80, 80)},
                        Case{.progress = inf, .bounds = rect(10, 10, 80, 80)},
                        Case{.progress = 0, .bounds = std::nullopt},
                        Case{.progress = nan, .bounds = std::nullopt}}) {
    auto [circles, arc] = ringArc(c.progress);
    EXPECT_EQ(circles, c.bounds ? 2u : 1u) << c.progress;
    ASSERT_EQ(arc.has_value(), c.bounds.has_value()) << c.progress;
    if (c.bounds)
      expectRectNear(*arc, *c.bounds, std::to_string(c.progress), 1e-6);
  }
}

} // namespace
} // namespace zavel
