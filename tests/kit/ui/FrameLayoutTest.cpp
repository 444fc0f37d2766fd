#include "LayoutTesting.h"
#include "kit/ui/UI.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kit::ui {
namespace {

using testing::framesOf;
using testing::lay;
using testing::rect;

TEST(FrameLayout, FixedFrameProposesItsSizeAndPlacesTheChildByAlignment) {
  LaidOutTree greedy = lay(Rectangle().frame(40, 30));
  EXPECT_EQ(framesOf(greedy, "Rectangle")[0], rect(130, 135, 40, 30));

  struct Case {
    Alignment alignment;
    Point origin;
  };
  for (auto [alignment, origin] :
       {Case{Alignment::topLeading, {0, 0}}, Case{Alignment::center, {15, 10}},
        Case{Alignment::bottomTrailing, {30, 20}}, Case{Alignment::trailing, {30, 10}}}) {
    LaidOutTree tree = lay(Rectangle().frame(10, 10).frame(40, 30, alignment), {40, 30});
    EXPECT_EQ(framesOf(tree, "Rectangle")[0].origin, origin);
    EXPECT_EQ(tree.root.frame, rect(0, 0, 40, 30));
  }
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
  for (const Case &c : cases) {
    LaidOutTree tree = lay(c.view);
    const LaidOutNode *frame = tree.root.findAll("Frame").back();
    EXPECT_NEAR(frame->frame.size.width, c.width, 1e-9) << c.name;
  }
}

TEST(FrameLayout, FillFrameTakesTheOfferAndAlignsItsContent) {
  LaidOutTree tree = lay(Text("ab").frame(Frame::fill(Alignment::bottomTrailing)), {200, 100});
  EXPECT_EQ(tree.root.frame, rect(0, 0, 200, 100));
  Rect text = framesOf(tree, "Text")[0];
  EXPECT_DOUBLE_EQ(text.maxX(), 200);
  EXPECT_DOUBLE_EQ(text.maxY(), 100);
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

TEST(FrameLayout, PaddingShrinksTheProposalAndGrowsTheSize) {
  EXPECT_EQ(framesOf(lay(Rectangle().padding(10)), "Rectangle")[0], rect(10, 10, 280, 280));

  LaidOutTree edges = lay(Rectangle()
                              .padding(Edge::leading, 5)
                              .padding(Edge::vertical, 7)
                              .frame(100, 50, Alignment::topLeading),
                          {100, 50});
  EXPECT_EQ(framesOf(edges, "Rectangle")[0], rect(5, 7, 95, 36));

  LaidOutTree text = lay(Text("abc").padding(EdgeInsets{1, 2, 3, 4}).fixedSize());
  EXPECT_EQ(text.root.frame.size, (Size{3 * 10.2 + 6, 20.4 + 4}));

  // A negative padding lets the child reach beyond its parent.
  LaidOutTree negative = lay(Rectangle().padding(Edge::top, -4).frame(20, 20), {20, 20});
  EXPECT_EQ(framesOf(negative, "Rectangle")[0], rect(0, -4, 20, 24));
}

TEST(FrameLayout, DecorationsTakeTheSizeOfWhatTheyDecorate) {
  LaidOutTree tree = lay(Text("abcd")
                             .padding(4)
                             .background(Capsule())
                             .overlay(Circle().frame(6, 6), Alignment::topTrailing)
                             .fixedSize());
  Rect base = tree.root.frame;
  EXPECT_EQ(framesOf(tree, "Capsule")[0], base);
  Rect dot = framesOf(tree, "Circle")[0];
  EXPECT_DOUBLE_EQ(dot.maxX(), base.maxX());
  EXPECT_DOUBLE_EQ(dot.minY(), base.minY());
  // Background behind, overlay in front.
  const LaidOutNode &overlay = tree.root.children[0];
  EXPECT_EQ(overlay.kind, "Overlay");
  EXPECT_EQ(overlay.children[0].kind, "Background");
  EXPECT_EQ(overlay.children[0].children[0].kind, "Capsule");
  EXPECT_EQ(overlay.children[1].children[0].kind, "Circle");
}

TEST(FrameLayout, OffsetsAndShadowsDoNotChangeLayout) {
  auto column = [](View first) {
    return VStack(HAlign::leading, 0, {first, Circle().frame(10, 10)}).fixedSize();
  };
  LaidOutTree plain = lay(column(Rectangle().frame(10, 10)));
  LaidOutTree moved =
      lay(column(Rectangle().frame(10, 10).offset(5, 7).shadow(Color::black, 3, 2, 2)));
  EXPECT_EQ(framesOf(moved, "Circle"), framesOf(plain, "Circle"));
  EXPECT_EQ(moved.root.frame, plain.root.frame);
  EXPECT_EQ(framesOf(moved, "Rectangle")[0], framesOf(plain, "Rectangle")[0].offsetBy(5, 7));
}

TEST(FrameLayout, FixedSizeGivesTheIdealSize) {
  LaidOutTree wrapped = lay(Text("hello world").frame({.width = 60}));
  EXPECT_DOUBLE_EQ(framesOf(wrapped, "Text")[0].size.width, 51);
  LaidOutTree fixed = lay(Text("hello world").fixedSize().frame({.width = 60}));
  EXPECT_NEAR(framesOf(fixed, "Text")[0].size.width, 112.2, 1e-9);
  LaidOutTree shape = lay(Circle().fixedSize());
  EXPECT_EQ(framesOf(shape, "Circle")[0].size, (Size{10, 10}));
  LaidOutTree oneAxis = lay(Rectangle().fixedSize(false, true));
  EXPECT_EQ(framesOf(oneAxis, "Rectangle")[0].size, (Size{300, 10}));
}

TEST(FrameLayout, ShapesAndColoursTakeWhatTheyAreOffered) {
  LaidOutTree tree =
      lay(HStack(VAlign::center, 0, {View(Color::white), Ellipse(), View(LinearGradient{})})
              .frame(90, 40),
          {90, 40});
  EXPECT_EQ(framesOf(tree, "Color")[0], rect(0, 0, 30, 40));
  EXPECT_EQ(framesOf(tree, "Ellipse")[0], rect(30, 0, 30, 40));
  EXPECT_EQ(framesOf(tree, "LinearGradient")[0], rect(60, 0, 30, 40));
}

bool finite(const Rect &r) {
  return std::isfinite(r.minX()) && std::isfinite(r.minY()) && std::isfinite(r.size.width) &&
         std::isfinite(r.size.height) && r.size.width >= 0 && r.size.height >= 0;
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
  for (Size size : {Size{300, 300}, Size{nan, -1}, Size{0, 0}}) {
    LaidOutTree tree = lay(view, size);
    for (const LaidOutNode *node : tree.root.findAll([](const LaidOutNode &) { return true; }))
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
  EXPECT_EQ(framesOf(tree, "GeometryReader")[0], rect(20, 20, 260, 260));
  EXPECT_EQ(framesOf(tree, "Rectangle")[0], rect(20, 20, 130, 10));
}

} // namespace
} // namespace kit::ui
