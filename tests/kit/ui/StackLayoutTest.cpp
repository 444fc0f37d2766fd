#include "LayoutTesting.h"
#include "kit/ui/UI.h"

#include <gtest/gtest.h>

namespace kit::ui {
namespace {

using namespace testing;

TEST(StackLayout, PlacesChildrenByFlexibilitySpacersAndAlignment) {
  auto square = [](double w, double h) { return Rectangle().frame(w, h); };
  const FramesCase cases[] = {
      {"the least flexible child is sized first and the row overflows its frame",
       HStack(VAlign::center, 0,
              {Rectangle().frame({.maxWidth = 100}), Rectangle().frame({.minWidth = 100})})
           .frame({.width = 150}),
       {300, 300},
       {rect(62.5, 0, 75, 300), rect(137.5, 0, 100, 300)}},
      {"a spacer takes the rest with no spacing beside it",
       HStack({square(20, 20), Spacer(), square(30, 20)}).frame({.width = 200}),
       {300, 300},
       {rect(50, 140, 20, 20), rect(220, 140, 30, 20)}},
      {"a z-stack takes its largest child and aligns the others",
       ZStack(Alignment::bottomTrailing, {square(40, 30), square(10, 10)}),
       {60, 50},
       {rect(10, 10, 40, 30), rect(40, 30, 10, 10)}},
      {"groups and for-each become children",
       VStack(HAlign::leading, 2,
              {ForEach(std::vector<int>{1, 2}, [&](int i) { return square(10 * i, 5); }),
               Group({square(1, 5)})})
           .fixedSize(),
       {300, 300},
       {rect(140, 140.5, 10, 5), rect(140, 147.5, 20, 5), rect(140, 154.5, 1, 5)}},
  };
  for (const FramesCase &c : cases)
    expectFrames(c);
}

TEST(StackLayout, IdealLengthsFollowSpacerMinimumAndDefaultSpacing) {
  auto square = [](double w, double h) { return Rectangle().frame(w, h); };
  const std::pair<View, Size> cases[] = {
      {HStack({square(20, 10), Spacer(), square(30, 10)}), {58, 10}},
      {HStack({square(20, 10), Spacer(3), square(30, 10)}), {53, 10}},
      {VStack({square(10, 10), square(6, 10)}), {10, 28}},
      {VStack(HAlign::center, 5, {square(10, 10), Spacer(0), square(10, 10)}), {10, 30}},
      {HStack({square(10, 10), EmptyView(), square(10, 10)}), {28, 10}},
  };
  for (const auto &[view, size] : cases)
    EXPECT_EQ(lay(view.fixedSize()).root.frame.size, size) << size.width << "x" << size.height;
}

TEST(StackLayout, LayoutPriorityOrdersChildrenBeforeFlexibility) {
  auto widths = [](double priority) {
    auto texts = framesOf(
        lay(HStack(VAlign::center, 0, {Text("aaaa"), Text("bbbb").layoutPriority(priority)})
                .lineLimit(1)
                .frame({.width = 60})),
        "Text");
    return std::pair{texts[0].size.width, texts[1].size.width};
  };
  EXPECT_EQ(widths(0), (std::pair{30.0, 30.0}));
  auto [other, favoured] = widths(1);
  EXPECT_NEAR(favoured, 40.8, 1e-9);
  EXPECT_NEAR(other, 60 - 40.8, 1e-9);
}

TEST(StackLayout, SpacersYieldToTheOtherChildrenDownToTheirMinimum) {
  struct Case {
    const char *name;
    View row;
    std::vector<double> textWidths;
    std::vector<double> spacerWidths;
  };
  // "bbbb" needs 40.8 points on one line.
  const Case cases[] = {
      {.name = "a text beside a spacer takes all it needs",
       .row = HStack(VAlign::center, 0, {Text("bbbb"), Spacer(0)}),
       .textWidths = {40.8},
       .spacerWidths = {60 - 40.8}},
      {.name = "spacers share what the texts leave",
       .row = HStack(VAlign::center, 0, {Spacer(0), Text("bbbb"), Spacer(0)}),
       .textWidths = {40.8},
       .spacerWidths = {9.6, 9.6}},
      {.name = "a spacer keeps its minimum length",
       .row = HStack(VAlign::center, 0, {Text("bbbbbbbb"), Spacer(10)}),
       .textWidths = {50},
       .spacerWidths = {10}},
      {.name = "texts still share the room among themselves",
       .row = HStack(VAlign::center, 0, {Text("bbbb"), Spacer(0), Text("bbbb")}),
       .textWidths = {30, 30},
       .spacerWidths = {0}},
  };
  for (const Case &c : cases) {
    LaidOutTree tree = lay(c.row.lineLimit(1).frame({.width = 60}));
    std::vector<double> texts, spacers;
    for (const Rect &frame : framesOf(tree, "Text"))
      texts.push_back(frame.size.width);
    for (const Rect &frame : framesOf(tree, "Spacer"))
      spacers.push_back(frame.size.width);
    ASSERT_EQ(texts.size(), c.textWidths.size()) << c.name;
    ASSERT_EQ(spacers.size(), c.spacerWidths.size()) << c.name;
    for (std::size_t i = 0; i < texts.size(); ++i)
      EXPECT_NEAR(texts[i], c.textWidths[i], 1e-9) << c.name;
    for (std::size_t i = 0; i < spacers.size(); ++i)
      EXPECT_NEAR(spacers[i], c.spacerWidths[i], 1e-9) << c.name;
  }
}

TEST(StackLayout, EachPriorityLeavesTheLowerOnesTheirMinimumAndItsOwnSpacersTheirs) {
  // A bar that is at least `least` and at most `most` points wide.
  auto bar = [](double least, double most) {
    return Rectangle().frame({.minWidth = least, .maxWidth = most});
  };
  struct Case {
    const char *name;
    View row;
    std::vector<double> barWidths;
    std::vector<double> spacerWidths;
  };
  const Case cases[] = {
      {.name = "the bar leaves both spacers their minimums, which they then take",
       .row = HStack(VAlign::center, 0, {Spacer(10), bar(0, 50), Spacer(6)}),
       .barWidths = {44},
       .spacerWidths = {10, 6}},
      {.name = "the favoured bar takes all but the minimums of the others",
       .row = HStack(VAlign::center, 0, {bar(15, 100), Spacer(0), bar(5, 100).layoutPriority(1)}),
       .barWidths = {15, 45},
       .spacerWidths = {0}},
      {.name = "a favoured spacer leaves the bar its minimum",
       .row = HStack(VAlign::center, 0, {bar(10, 100), Spacer(20).layoutPriority(1)}),
       .barWidths = {10},
       .spacerWidths = {50}},
  };
  for (const Case &c : cases) {
    LaidOutTree tree = lay(c.row.frame({.width = 60}));
    std::vector<double> bars, spacers;
    for (const Rect &frame : framesOf(tree, "Rectangle"))
      bars.push_back(frame.size.width);
    for (const Rect &frame : framesOf(tree, "Spacer"))
      spacers.push_back(frame.size.width);
    EXPECT_EQ(bars, c.barWidths) << c.name;
    EXPECT_EQ(spacers, c.spacerWidths) << c.name;
  }
}

} // namespace
} // namespace kit::ui
