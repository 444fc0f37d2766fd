#include "LayoutTesting.h"
#include "kit/ui/UI.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kit::ui {
namespace {

using namespace testing;

TEST(FrameLayout, FramesAndPaddingPlaceTheirChild) {
  const FramesCase cases[] = {
      {"a fixed frame is centred", Rectangle().frame(40, 30), {300, 300}, {rect(130, 135, 40, 30)}},
      {"a fill frame takes the offer",
       Rectangle().frame(20, 20).frame(Frame::fill(Alignment::bottomTrailing)),
       {200, 100},
       {rect(180, 80, 20, 20)}},
      {"padding of some edges",
       Rectangle()
           .padding(Edge::leading, 5)
           .padding(Edge::vertical, 7)
           .frame(100, 50, Alignment::topLeading),
       {100, 50},
       {rect(5, 7, 95, 36)}},
      {"insets are top, leading, bottom, trailing",
       Rectangle().frame(10, 10).padding(EdgeInsets{1, 2, 3, 4}).fixedSize(),
       {300, 300},
       {rect(144, 144, 10, 10)}},
      {"a negative padding reaches beyond the parent",
       Rectangle().padding(Edge::top, -4).frame(20, 20),
       {20, 20},
       {rect(0, -4, 20, 24)}},
  };
  for (const FramesCase &c : cases)
    expectFrames(c);
}

TEST(FrameLayout, FlexibleFrameClampsProposalAndSize) {
  const std::tuple<const char *, View, double> cases[] = {
      {"maximum caps a greedy child", Rectangle().frame({.maxWidth = 100}), 100},
      {"minimum holds against a small offer",
       Rectangle().frame({.minWidth = 50, .maxWidth = 100}).frame({.width = 30}), 50},
      {"infinite maximum takes the whole offer", Text("ab").frame({.maxWidth = infinity}), 300},
      {"minimum keeps a larger child", Text("abcdef").frame({.minWidth = 40}), 61.2},
      {"maximum below minimum acts as the minimum",
       Rectangle().frame({.minWidth = 80, .maxWidth = 20}), 80},
  };
  for (const auto &[name, view, width] : cases)
    EXPECT_NEAR(lay(view).root.findAll("Frame").back()->frame.size.width, width, 1e-9) << name;
}

TEST(FrameLayout, DecorationsTakeTheSizeOfWhatTheyDecorate) {
  LaidOutTree tree = lay(Text("abcd")
                             .padding(4)
                             .background(Capsule())
                             .overlay(Circle().frame(6, 6), Alignment::topTrailing)
                             .fixedSize());
  Rect base = tree.root.frame;
  EXPECT_EQ(framesOf(tree, "Capsule")[0], base);
  EXPECT_EQ(framesOf(tree, "Circle")[0], rect(base.maxX() - 6, base.minY(), 6, 6));
}

TEST(FrameLayout, UnusableNumbersNeverReachAFrame) {
  double nan = std::nan("");
  View view = VStack(HAlign::center, nan,
                     {
                         Rectangle().frame(nan, -5),
                         Rectangle().frame({.width = infinity, .maxHeight = nan}),
                         Circle().padding(nan).offset(nan, infinity),
                         Spacer(nan),
                         Text("x").padding(EdgeInsets{nan, -infinity, infinity, 2}),
                         Rectangle().frame({.minWidth = -3, .maxWidth = -infinity}),
                     });
  auto finite = [](const Rect &r) {
    return std::isfinite(r.minX()) && std::isfinite(r.minY()) && std::isfinite(r.size.width) &&
           std::isfinite(r.size.height) && r.size.width >= 0 && r.size.height >= 0;
  };
  for (Size size : {Size{300, 300}, Size{nan, -1}, Size{0, 0}}) {
    LaidOutTree tree = lay(view, size);
    for (const LaidOutNode *node : tree.root.findAll([](auto &) { return true; }))
      EXPECT_TRUE(finite(node->frame)) << node->kind;
  }
}

} // namespace
} // namespace kit::ui
