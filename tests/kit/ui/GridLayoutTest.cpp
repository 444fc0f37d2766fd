#include "LayoutTesting.h"
#include "kit/ui/UI.h"

#include <gtest/gtest.h>

namespace kit::ui {
namespace {

using testing::framesOf;
using testing::lay;
using testing::rect;

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

} // namespace
} // namespace kit::ui
