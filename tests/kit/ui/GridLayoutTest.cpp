#include "LayoutTesting.h"
#include "kit/ui/UI.h"

#include <gtest/gtest.h>

namespace kit::ui {
namespace {

using namespace testing;

// A month as a calendar widget sets it: 7 flexible columns, no gaps, the first days of the week
// before the 1st kept as invisible cells.
TEST(GridLayout, AMonthGridKeepsTheSlotOfAnInvisibleCell) {
  std::vector<GridItem> week(7, GridItem::flexible(10, infinity, 0));
  std::vector<View> days;
  for (int i = 0; i < 37; ++i) {
    View day = Rectangle().frame({.height = 20});
    days.push_back(i == 3 ? day.opacity(0) : day);
  }
  std::vector<Rect> frames =
      framesOf(lay(LazyVGrid(week, HAlign::center, 0, days), {350, 300}), "Rectangle");
  ASSERT_EQ(frames.size(), 37u);
  for (std::size_t i = 0; i < frames.size(); ++i)
    EXPECT_EQ(frames[i], rect(50.0 * double(i % 7), 90 + 20.0 * double(i / 7), 50, 20))
        << "cell " << i;
}

TEST(GridLayout, GridRowsShareColumnsAsWideAsTheirWidestCell) {
  auto cell = [](double w, double h) { return Rectangle().frame(w, h); };
  View rows = Grid(Alignment::center, 4, 2,
                   {GridRow({cell(10, 10), cell(30, 10), cell(20, 10)}),
                    GridRow({cell(20, 20), cell(10, 10), cell(40, 10)})});
  View flexibleLast = Grid(Alignment::topLeading, 4, 2,
                           {GridRow({cell(10, 10), cell(30, 10), Rectangle().frame({.height = 5})}),
                            GridRow({cell(20, 20), cell(10, 10), cell(40, 10)})});
  const FramesCase cases[] = {
      {"columns of 20, 30 and 40 at gaps of 4, rows of 10 and 20 at a gap of 2",
       rows,
       {98, 32},
       {rect(5, 0, 10, 10), rect(24, 0, 30, 10), rect(68, 0, 20, 10), rect(0, 12, 20, 20),
        rect(34, 17, 10, 10), rect(58, 17, 40, 10)}},
      {"a flexible cell's column takes what the others leave",
       flexibleLast.frame({.width = 200}),
       {200, 32},
       {rect(0, 0, 10, 10), rect(24, 0, 30, 10), rect(58, 0, 142, 5), rect(0, 12, 20, 20),
        rect(24, 12, 10, 10), rect(58, 12, 40, 10)}},
  };
  for (const FramesCase &c : cases)
    expectFrames(c);
}

} // namespace
} // namespace kit::ui
