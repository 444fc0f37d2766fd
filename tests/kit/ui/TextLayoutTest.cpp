#include "LayoutTesting.h"
#include "kit/ui/UI.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kit::ui {
namespace {

using foundation::Date;
using testing::framesOf;
using testing::lay;

double baselineOf(const LaidOutTree &tree, std::string_view text) {
  const LaidOutNode *node = tree.root.findText(text);
  return node->frame.minY() + 0.95 * node->as<TextRun>()->style.font.size;
}

TEST(TextLayout, FirstBaselineAlignmentLinesUpTextsOfDifferentSizes) {
  LaidOutTree tree =
      lay(HStack(VAlign::firstTextBaseline, 0,
                 {
                     Text("A").font(Font::system(40)),
                     Text("b").font(Font::system(10)).padding(Edge::top, 5),
                     VStack(HAlign::leading, 0, {Text("c").font(Font::system(20)), Text("d")}),
                     Rectangle().frame(4, 4),
                 })
              .fixedSize());
  double baseline = baselineOf(tree, "A");
  EXPECT_DOUBLE_EQ(baselineOf(tree, "b"), baseline);
  EXPECT_DOUBLE_EQ(baselineOf(tree, "c"), baseline);
  // A view without text sits on the baseline with its bottom edge.
  EXPECT_DOUBLE_EQ(framesOf(tree, "Rectangle")[0].maxY(), baseline);
}

TEST(TextLayout, AHugeTextIsCutToWhatAWidgetCouldShowAtACharacterBoundary) {
  // "é" is two bytes: cut anywhere, the text would end inside one.
  std::string huge = "a";
  for (int i = 0; i < 5'000'000; ++i)
    huge += "é";
  LaidOutTree tree = lay(Text(huge).lineLimit(3), {300, 300});
  const std::string &shown = tree.root.findAll("Text").at(0)->as<TextRun>()->text;
  EXPECT_EQ(shown.size(), 16383u);
  EXPECT_EQ(shown, huge.substr(0, 16383));
  // Texts up to the limit are kept whole.
  std::string full(16384, 'x');
  EXPECT_EQ(lay(Text(full)).root.findAll("Text").at(0)->as<TextRun>()->text, full);
}

TEST(TextLayout, TextAttributesFlowFromTheEnvironment) {
  LaidOutTree tree =
      lay(VStack({
                     Text("inherits"),
                     Text("own").font(Font::postScript("IBMPlexMono-Bold", 9)).tracking(-1),
                 })
              .font(Font::system(12, FontWeight::semibold))
              .tracking(1.4)
              .lineLimit(1));
  TextStyle expected{
      .font = Font::system(12, FontWeight::semibold), .tracking = 1.4, .lineLimit = 1};
  EXPECT_EQ(tree.root.findText("inherits")->as<TextRun>()->style, expected);
  expected.font = Font::postScript("IBMPlexMono-Bold", 9);
  expected.tracking = -1;
  EXPECT_EQ(tree.root.findText("own")->as<TextRun>()->style, expected);
}

TEST(TextLayout, EachTextReportsHowItIsDrawnInItsFrameAndItsRole) {
  // The fake engine sets a character 0.6 of the font size wide.
  LaidOutTree tree =
      lay(VStack(HAlign::leading, 0,
                 {
                     Text("fits").frame(40, 20),
                     Text("wrapping words").frame(60, 40),
                     Text("12345").minimumScaleFactor(0.5).lineLimit(1).frame(20, 20),
                     Text("abcdefgh").lineLimit(1).frame(24, 20),
                     HStack({Text("21°"), Text("HIGH").textRole(TextRole::label)})
                         .textRole(TextRole::data),
                 })
              .font(Font::system(10)),
          {300, 300});
  struct Drawn {
    int lines;
    double scale;
    bool truncated;
    TextRole role;
    bool operator==(const Drawn &) const = default;
  };
  auto drawn = [&](std::string_view text) {
    const TextRun *run = tree.root.findText(text)->as<TextRun>();
    return Drawn{run->lineCount, std::round(run->scale * 1000) / 1000, run->truncated, run->role};
  };
  EXPECT_EQ(drawn("fits"), (Drawn{1, 1, false, TextRole::plain}));
  EXPECT_EQ(drawn("wrapping words"), (Drawn{2, 1, false, TextRole::plain}));
  EXPECT_EQ(drawn("12345"), (Drawn{1, 0.667, false, TextRole::plain}));
  // The tree keeps the text whole, though its drawing ends in an ellipsis.
  EXPECT_EQ(drawn("abcdefgh"), (Drawn{1, 1, true, TextRole::plain}));
  // The role flows to the texts inside, until one sets its own.
  EXPECT_EQ(drawn("21°").role, TextRole::data);
  EXPECT_EQ(drawn("HIGH").role, TextRole::label);
}

TEST(TextLayout, TimerTextsShowTheSpanAtTheMomentOfLayout) {
  View timer = Text::timerInterval(Date{1000}, Date{2500});
  EXPECT_EQ(lay(timer, {300, 300}, Date{1125.9}).root.texts(), std::vector<std::string>{"22:55"});
}

} // namespace
} // namespace kit::ui
