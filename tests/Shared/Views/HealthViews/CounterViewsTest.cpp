#include "HealthViewsTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/HealthViews/StepsView.h"
#include "Shared/Views/HealthViews/WaterView.h"
#include "support/ScopedEnvironment.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();

TEST(StepsView, RingFillsTowardTheGoalAroundTheLocaleGroupedCountAndAnyPressAddsSteps) {
  test::ScopedLocaleAndZone english("en_US", "Europe/Oslo");
  const double u = smallWidget.u();
  struct Case {
    const char *name;
    CounterSnapshot steps;
    double progress = 0;
    const char *count, *goal;
  };
  for (const Case &c : {
           Case{.name = "the sample",
          .steps = {8214, 10000},
          .progress = 0.8214,
          .count = "8,214",
          .goal = "OF 10,000"},
           Case{.name = "nothing yet", .steps = {0, 10000}, .count = "0", .goal = "OF 10,000"},
           Case{.name = "past the goal",
           .steps = {12000, 10000},
           .progress = 1,
           .count = "12,000",
           .goal = "OF 10,000"},
           Case{.name = "no goal", .steps = {500, 0}, .count = "500", .goal = "OF 0"},
           Case{.name = "a goal of a thousand",
           .steps = {-20, 1000},
           .count = "-20",
           .goal = "OF 1,000"},
       }) {
    SCOPED_TRACE(c.name);
    LaidOutTree tree = layReal(StepsView{c.steps, smallWidget.context()}.body(), smallWidget);
    EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"STEPS", c.count, c.goal}));
    EXPECT_NEAR(ringProgress(tree), c.progress, 1e-3);
    // The track, and the arc over it once there is progress, both on the ring's square.
    std::vector<const LaidOutNode *> ring = tree.root.findAll("Circle");
    ASSERT_EQ(ring.size(), c.progress > 0 ? 2u : 1u);
    for (const LaidOutNode *circle : ring)
      expectRectNear(circle->frame, rect(85 - 74 * u, 85 - 74 * u, 148 * u, 148 * u), c.name);
    EXPECT_EQ(shapePaints(tree, "Circle").back(),
              Paint{c.progress > 0 ? ZavelTokens::dataTeal : ZavelTokens::trackFine});
  }
  LaidOutTree tree = layReal(StepsView{{1, 2}, smallWidget.context()}.body(), smallWidget);
  const IntentReference addSteps{"AddStepsIntent", {{"steps", 1000}}};
  for (Point blank : {Point{2, 2}, Point{168, 168}, Point{85, 85}})
    EXPECT_EQ(keyAt(tree, blank), addSteps) << blank.x << "," << blank.y;
}

TEST(WaterView, OneCellPerGlassOfTheGoalAtMost44LitFromTheLeftAndAnyPressAddsAGlass) {
  const double u = smallWidget.u();
  const double row = 170 - 36 * u;
  struct Case {
    const char *name;
    CounterSnapshot water;
    std::size_t cells = 0, lit = 0;
    const char *goal;
  };
  for (const Case &c : {
           Case{.name = "the sample", .water = {5, 8}, .cells = 8, .lit = 5, .goal = "OF 8"},
           Case{.name = "past the goal", .water = {10, 8}, .cells = 8, .lit = 8, .goal = "OF 8"},
           Case{.name = "nothing yet", .water = {0, 8}, .cells = 8, .lit = 0, .goal = "OF 8"},
           Case{.name = "a goal of 20", .water = {3, 20}, .cells = 20, .lit = 3, .goal = "OF 20"},
           Case{.name = "a goal below 1", .water = {2, 0}, .cells = 1, .lit = 1, .goal = "OF 0"},
           Case{.name = "a negative count", .water = {-3, 8}, .cells = 8, .goal = "OF 8"},
           Case{.name = "a goal of 44", .water = {43, 44}, .cells = 44, .lit = 43, .goal = "OF 44"},
           // 999 × 44 / 1000 is 43.956: the row is full only at the goal.
           Case{.name = "a goal of 1000",
           .water = {999, 1000},
           .cells = 44,
           .lit = 43,
           .goal = "OF 1000"},
           Case{.name = "a goal of 10^9",
           .water = {500'000'000, 1'000'000'000},
           .cells = 44,
           .lit = 22,
           .goal = "OF 1000000000"},
           Case{.name = "the largest goal",
           .water = {kMax, kMax},
           .cells = 44,
           .lit = 1,
           .goal = "OF 9223372036854775807"},
       }) {
    SCOPED_TRACE(c.name);
    LaidOutTree tree = layReal(WaterView{c.water, smallWidget.context()}.body(), smallWidget);
    EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"WATER", std::to_string(c.water.value),
                                                           c.goal, "TAP TO LOG A GLASS"}));
    std::vector<Paint> expected(c.cells, Paint{ZavelTokens::track});
    std::fill_n(expected.begin(), c.lit, Paint{ZavelTokens::dataTeal});
    EXPECT_EQ(shapePaints(tree, "RoundedRectangle"), expected);
    // The cells share the padded row, 5 units apart.
    std::vector<Rect> cells = kit::ui::testing::framesOf(tree, "RoundedRectangle");
    double width = (row - 5 * u * double(c.cells - 1)) / double(c.cells);
    EXPECT_GE(width, u);
    expectRectNear(cells.front(), rect(18 * u, cells.front().minY(), width, 24 * u), "first", 1e-6);
    EXPECT_NEAR(cells.back().maxX(), 170 - 18 * u, 1e-6);
  }
  LaidOutTree tree = layReal(WaterView{{5, 8}, smallWidget.context()}.body(), smallWidget);
  // The count and its goal share a baseline; the label sits 12 units under the cells, at the
  // bottom of the padded area.
  Rect count = textNode(tree, "5").frame, label = textNode(tree, "TAP TO LOG A GLASS").frame;
  Rect cells = kit::ui::testing::framesOf(tree, "RoundedRectangle").back();
  EXPECT_EQ(run(textNode(tree, "5")).paint, Paint{ZavelTokens::dataTeal});
  EXPECT_NEAR(label.minY() - cells.maxY(), 12 * u, 1e-6);
  EXPECT_NEAR(label.maxY(), 170 - 18 * u, 1e-6);
  EXPECT_GT(textNode(tree, "OF 8").frame.minX(), count.maxX());
  for (Point blank : {Point{2, 2}, Point{168, 100}})
    EXPECT_EQ(keyAt(tree, blank), IntentReference{"AddWaterIntent"});
}

} // namespace
} // namespace zavel
