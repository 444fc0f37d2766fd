#include "LayoutTesting.h"
#include "kit/ui/UI.h"

#include <gtest/gtest.h>

namespace kit::ui {
namespace {

using testing::framesOf;
using testing::lay;
using testing::rect;

TEST(StackLayout, LeastFlexibleChildIsSizedFirstAndTheStackMayOverflowItsFrame) {
  View row = HStack(VAlign::center, 0,
                    {
                        Rectangle().frame({.maxWidth = 100}),
                        Rectangle().frame({.minWidth = 100}),
                    })
                 .frame({.width = 150});
  LaidOutTree tree = lay(row);
  auto rects = framesOf(tree, "Rectangle");
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_DOUBLE_EQ(rects[0].size.width, 75);
  EXPECT_DOUBLE_EQ(rects[1].size.width, 100);
  EXPECT_DOUBLE_EQ(rects[1].minX(), rects[0].maxX());
  EXPECT_DOUBLE_EQ(tree.root.findAll("HStack").front()->frame.size.width, 175);
}

TEST(StackLayout, SpacerPushesNeighboursToTheEnds) {
  LaidOutTree tree = lay(HStack({
                                    Rectangle().frame(20, 20),
                                    Spacer(),
                                    Rectangle().frame(30, 20),
                                })
                             .frame({.width = 200}));
  auto rects = framesOf(tree, "Rectangle");
  EXPECT_DOUBLE_EQ(rects[0].minX(), 50);
  EXPECT_DOUBLE_EQ(rects[1].maxX(), 250);
  EXPECT_DOUBLE_EQ(framesOf(tree, "Spacer")[0].size.width, 150);
}

TEST(StackLayout, IdealLengthsFollowSpacerMinimumAndDefaultSpacing) {
  struct Case {
    const char *name;
    View view;
    Size size;
  };
  Case cases[] = {
      {"spacer default minimum",
       HStack({Rectangle().frame(20, 10), Spacer(), Rectangle().frame(30, 10)}),
       {58, 10}},
      {"spacer given minimum",
       HStack({Rectangle().frame(20, 10), Spacer(3), Rectangle().frame(30, 10)}),
       {53, 10}},
      {"default spacing", HStack({Rectangle().frame(10, 10), Rectangle().frame(10, 4)}), {28, 10}},
      {"vertical default spacing",
       VStack({Rectangle().frame(10, 10), Rectangle().frame(6, 10)}),
       {10, 28}},
      {"explicit spacing also beside spacers",
       VStack(HAlign::center, 5, {Rectangle().frame(10, 10), Spacer(0), Rectangle().frame(10, 10)}),
       {10, 30}},
      {"empty views take no spacing",
       HStack({Rectangle().frame(10, 10), EmptyView(), Rectangle().frame(10, 10)}),
       {28, 10}},
  };
  for (const Case &c : cases) {
    LaidOutTree tree = lay(c.view.fixedSize());
    EXPECT_EQ(tree.root.frame.size, c.size) << c.name;
  }
}

TEST(StackLayout, CrossAxisAlignment) {
  struct Case {
    VAlign alignment;
    double smallY;
  };
  for (auto [alignment, smallY] :
       {Case{VAlign::top, 0}, Case{VAlign::center, 15}, Case{VAlign::bottom, 30}}) {
    LaidOutTree tree =
        lay(HStack(alignment, 0, {Rectangle().frame(10, 40), Rectangle().frame(10, 10)})
                .frame(20, 40, Alignment::topLeading),
            {20, 40});
    EXPECT_DOUBLE_EQ(framesOf(tree, "Rectangle")[1].minY(), smallY);
  }
  LaidOutTree tree =
      lay(VStack(HAlign::trailing, 0, {Rectangle().frame(40, 10), Rectangle().frame(10, 10)}),
          {40, 20});
  EXPECT_DOUBLE_EQ(framesOf(tree, "Rectangle")[1].minX(), 30);
}

TEST(StackLayout, LayoutPriorityOrdersChildrenBeforeFlexibility) {
  auto row = [](double priority) {
    return HStack(VAlign::center, 0, {Text("aaaa"), Text("bbbb").layoutPriority(priority)})
        .lineLimit(1)
        .frame({.width = 60});
  };
  auto even = framesOf(lay(row(0)), "Text");
  EXPECT_DOUBLE_EQ(even[0].size.width, 30);
  EXPECT_DOUBLE_EQ(even[1].size.width, 30);
  auto favoured = framesOf(lay(row(1)), "Text");
  EXPECT_NEAR(favoured[1].size.width, 40.8, 1e-9);
  EXPECT_NEAR(favoured[0].size.width, 60 - 40.8, 1e-9);
}

TEST(StackLayout, ZStackAlignsChildrenAndTakesTheLargest) {
  LaidOutTree tree =
      lay(ZStack(Alignment::bottomTrailing, {Rectangle().frame(40, 30), Circle().frame(10, 10)}),
          {40, 30});
  EXPECT_EQ(tree.root.frame, rect(0, 0, 40, 30));
  EXPECT_EQ(framesOf(tree, "Circle")[0], rect(30, 20, 10, 10));
}

TEST(StackLayout, GroupsAndForEachBecomeStackChildren) {
  std::vector<int> items{1, 2, 3};
  LaidOutTree tree =
      lay(VStack(HAlign::leading, 2,
                 {Rectangle().frame(5, 5),
                  ForEach(items, [](int i) { return Rectangle().frame(10.0 * i, 5); }),
                  Group({Rectangle().frame(1, 5)})})
              .fixedSize());
  auto rects = framesOf(tree, "Rectangle");
  ASSERT_EQ(rects.size(), 5u);
  EXPECT_DOUBLE_EQ(tree.root.frame.size.height, 5 * 5 + 4 * 2);
  EXPECT_DOUBLE_EQ(rects[3].size.width, 30);
}

TEST(StackLayout, ModifierOnAGroupAppliesToEachChild) {
  LaidOutTree tree =
      lay(HStack(VAlign::center, 0,
                 {Group({Rectangle().frame(10, 10), Rectangle().frame(10, 10)}).padding(5)})
              .fixedSize());
  EXPECT_EQ(tree.root.frame.size, (Size{40, 20}));
}

} // namespace
} // namespace kit::ui
