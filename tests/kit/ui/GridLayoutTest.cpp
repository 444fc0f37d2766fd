#include "LayoutTesting.h"
#include "kit/ui/UI.h"

#include <gtest/gtest.h>

namespace kit::ui {
namespace {

using testing::framesOf;
using testing::lay;
using testing::rect;

TEST(GridLayout, FlexibleColumnsShareTheWidth) {
  std::vector<GridItem> columns(3, GridItem::flexible(10, infinity, 0));
  std::vector<int> cells{0, 1, 2, 3, 4, 5, 6};
  LaidOutTree tree = lay(LazyVGrid(columns, HAlign::center, 10,
                                   {ForEach(cells, [](int) { return Circle().frame(6, 6); })})
                             .frame({.width = 300}),
                         {300, 300});
  auto dots = framesOf(tree, "Circle");
  std::vector<Point> centres;
  for (const Rect &dot : dots)
    centres.push_back({dot.midX(), dot.midY() - dots[0].midY()});
  EXPECT_EQ(centres, (std::vector<Point>{
                         {50, 0}, {150, 0}, {250, 0}, {50, 16}, {150, 16}, {250, 16}, {50, 32}}));
  EXPECT_EQ(tree.root.findAll("LazyVGrid").front()->frame.size, (Size{300, 3 * 6 + 2 * 10}));
}

TEST(GridLayout, FixedColumnsAndSpacingLeaveTheRestToFlexibleOnes) {
  std::vector<GridItem> columns{GridItem::fixed(40, 10), GridItem::flexible(),
                                GridItem::flexible(10, 50)};
  LaidOutTree tree =
      lay(LazyVGrid(columns, HAlign::leading, 0,
                    {Rectangle().frame({.height = 5}), Rectangle().frame({.height = 5}),
                     Rectangle().frame({.height = 5})}),
          {200, 100});
  // 200 − 40 − 10 − 8 leaves 142: the capped column takes 50 and the other the rest.
  EXPECT_EQ(framesOf(tree, "Rectangle"),
            (std::vector{rect(0, 47.5, 40, 5), rect(50, 47.5, 92, 5), rect(150, 47.5, 50, 5)}));
}

TEST(GridLayout, GridRowsShareColumnsAsWideAsTheirWidestCell) {
  View grid = Grid(Alignment::topLeading, 20, 18,
                   {
                       GridRow({Text("ab"), Text("abcd").frame({.maxWidth = infinity,
                                                                .alignment = Alignment::leading})}),
                       GridRow({Text("abcdef"), Text("a")}),
                   });
  LaidOutTree tree = lay(grid.frame({.width = 300}));
  auto rows = framesOf(tree, "GridRow");
  ASSERT_EQ(rows.size(), 2u);
  Rect ab = tree.root.findText("ab")->frame;
  Rect abcd = tree.root.findText("abcd")->frame;
  Rect a = tree.root.findText("a")->frame;
  // The first column is as wide as "abcdef"; the flexible cell takes what is left.
  EXPECT_NEAR(abcd.minX() - ab.minX(), 6 * 10.2 + 20, 1e-9);
  EXPECT_DOUBLE_EQ(a.minX(), abcd.minX());
  EXPECT_NEAR(tree.root.findAll("Grid").front()->frame.size.width, 300, 1e-9);
  EXPECT_DOUBLE_EQ(rows[1].minY() - rows[0].minY(), 20.4 + 18);
}

} // namespace
} // namespace kit::ui
