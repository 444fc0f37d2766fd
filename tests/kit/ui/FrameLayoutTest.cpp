#include "LayoutTesting.h"
#include "kit/ui/UI.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kit::ui {
namespace {

using namespace testing;

TEST(FrameLayout, FramesAndPaddingPlaceTheirChild) {
  auto inBox = [](Alignment alignment) {
    return Rectangle().frame(10, 10).frame(40, 30, alignment);
  };
  const FramesCase cases[] = {
      {"a fixed frame is centred", Rectangle().frame(40, 30), {300, 300}, {rect(130, 135, 40, 30)}},
      {"top leading", inBox(Alignment::topLeading), {40, 30}, {rect(0, 0, 10, 10)}},
      {"bottom trailing", inBox(Alignment::bottomTrailing), {40, 30}, {rect(30, 20, 10, 10)}},
      {"a fill frame takes the offer",
       Rectangle().frame(20, 20).frame(Frame::fill(Alignment::bottomTrailing)),
       {200, 100},
       {rect(180, 80, 20, 20)}},
      {"padding shrinks the offer", Rectangle().padding(10), {300, 300}, {rect(10, 10, 280, 280)}},
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
  struct Case {
    const char *name;
    View view;
    double width;
  };
  Case cases[] = {
      {"maximum caps a greedy child", Rectangle().frame({.maxWidth = 100}), 100},
      {"minimum holds against a small offer",
       Rectangle().frame({.minWidth = 50, .maxWidth = 100}).frame({.width = 30}), 50},
      {"infinite maximum takes the whole offer", Text("ab").frame({.maxWidth = infinity}), 300},
      {"minimum grows a small child", Text("ab").frame({.minWidth = 40}), 40},
      {"minimum keeps a larger child", Text("abcdef").frame({.minWidth = 40}), 61.2},
      {"maximum below minimum acts as the minimum",
       Rectangle().frame({.minWidth = 80, .maxWidth = 20}), 80},
  };
  for (const Case &c : cases)
    EXPECT_NEAR(lay(c.view).root.findAll("Frame").back()->frame.size.width, c.width, 1e-9)
        << c.name;
}

TEST(FrameLayout, TextTallerThanItsFrameOverflowsAroundTheAlignment) {
  LaidOutTree tree = lay(
      VStack(HAlign::leading, 0,
             {Text("88").font(Font::system(100)).frame({.height = 80}), Rectangle().frame(10, 10)})
          .fixedSize());
  Rect text = framesOf(tree, "Text")[0];
  Rect frame = tree.root.findAll("Frame").front()->frame;
  EXPECT_DOUBLE_EQ(frame.size.height, 80);
  EXPECT_DOUBLE_EQ(text.size.height, 120);
  EXPECT_DOUBLE_EQ(text.midY(), frame.midY());
  EXPECT_DOUBLE_EQ(framesOf(tree, "Rectangle")[0].minY(), frame.maxY());
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
  // Background behind, overlay in front.
  const LaidOutNode &overlay = tree.root.children[0];
  EXPECT_EQ(overlay.kind, "Overlay");
  EXPECT_EQ(overlay.children[0].children[0].kind, "Capsule");
  EXPECT_EQ(overlay.children[1].children[0].kind, "Circle");
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

TEST(FrameLayout, GeometryReaderTakesTheOfferAndPlacesItsContentTopLeading) {
  Size seen;
  LaidOutTree tree = lay(GeometryReader([&seen](const GeometryProxy &proxy) {
                           seen = proxy.size;
                           return Rectangle().frame(proxy.size.width / 2, 10);
                         }).padding(20));
  EXPECT_EQ(seen, (Size{260, 260}));
  EXPECT_EQ(framesOf(tree, "Rectangle")[0], rect(20, 20, 130, 10));
}

} // namespace
} // namespace kit::ui
