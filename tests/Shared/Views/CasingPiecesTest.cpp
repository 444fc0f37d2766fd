#include "Shared/Views/CellRow.h"
#include "Shared/Views/RingDial.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/TapArea.h"
#include "Shared/Views/ViewTesting.h"
#include "kit/ui/HitTest.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

View block(double width, double height) {
  return Rectangle().fill(Color::black).frame(width, height);
}

TEST(RingDial, RingAndReadingsCentredInASquareWithinTheMargin) {
  // Readings 10 points high, 5 units apart, centred on the ring.
  LaidOutTree tree =
      lay(RingDial(context(0.5), 120, Circle().fill(Color::white), {block(20, 10), block(40, 10)}),
          {200, 100});
  EXPECT_EQ(kit::ui::testing::framesOf(tree, "Circle"), (std::vector{rect(70, 20, 60, 60)}));
  EXPECT_EQ(kit::ui::testing::framesOf(tree, "Rectangle"),
            (std::vector{rect(90, 38.75, 20, 10), rect(80, 51.25, 40, 10)}));
}

TEST(PaddedColumn, RowsPaddedWhereTheStylePlacesThem) {
  struct Case {
    const char *name;
    Alignment alignment;
    Rect first;
  };
  for (const Case &c :
       {Case{.name = "top leading",
       .alignment = Alignment::topLeading,
       .first = rect(13, 9, 30, 10)},
        Case{.name = "centred", .alignment = Alignment::center, .first = rect(85, 37.5, 30, 10)},
        Case{
            .name = "leading", .alignment = Alignment::leading, .first = rect(13, 37.5, 30, 10)}}) {
    LaidOutTree tree = lay(
        PaddedColumn(context(0.5),
                     {.alignment = c.alignment, .spacing = 10, .vertical = 18, .horizontal = 26},
                     {block(30, 10), block(30, 10)}),
        {200, 100});
    std::vector<Rect> rows = kit::ui::testing::framesOf(tree, "Rectangle");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], c.first) << c.name;
    EXPECT_EQ(rows[1].minY() - rows[0].maxY(), 5) << c.name;
  }
}

TEST(TapArea, TheWholeFrameOfTheLabelPressesTheKeyGapsIncluded) {
  const IntentReference intent{"TallyIntent", {{"step", 2}}};
  LaidOutTree tree = lay(
      TapArea(intent, HStack(VAlign::center, 40, {block(10, 10), block(10, 10)}).frame(100, 50)),
      {100, 50});
  for (Point point : {Point{1, 1}, Point{50, 25}, Point{99, 49}}) {
    const LaidOutNode *key = hitTest(tree, point);
    ASSERT_TRUE(key && key->as<ButtonTarget>()) << point.x;
    EXPECT_EQ(key->as<ButtonTarget>()->intent, intent);
  }
}

TEST(CellRow, CellsShareTheWidthTheFirstLitOnesInTheLitColour) {
  const CellRowStyle style{
      .spacing = 4, .height = 6, .cornerRadius = 1, .lit = Color::white, .unlit = Color::black};
  struct Case {
    const char *name;
    int64_t count = 0, lit = 0;
    std::size_t white = 0;
  };
  for (const Case &c : {Case{.name = "two of four", .count = 4, .lit = 2, .white = 2},
                        Case{.name = "more lit than cells", .count = 4, .lit = 9, .white = 4},
                        Case{.name = "negative", .count = 4, .lit = -3, .white = 0}}) {
    LaidOutTree tree = lay(CellRow(c.count, c.lit, style, context(0.5)), {106, 20});
    std::vector<const LaidOutNode *> cells = tree.root.findAll("RoundedRectangle");
    ASSERT_EQ(cells.size(), std::size_t(c.count)) << c.name;
    EXPECT_EQ(cells[0]->frame, rect(0, 8.5, 25, 3)) << c.name;
    EXPECT_EQ(cells[3]->frame.minX(), 81) << c.name;
    for (std::size_t i = 0; i < cells.size(); ++i)
      EXPECT_EQ(cells[i]->as<ShapeDraw>()->paint, Paint{i < c.white ? Color::white : Color::black})
          << c.name << " " << i;
  }
}

} // namespace
} // namespace zavel
