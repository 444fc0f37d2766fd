#include "Shared/Views/WeatherViews/AirQualityView.h"

#include "Shared/Theme/DesignTokens.h"
#include "SkyViewsTesting.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

// An accent other than the default, to tell it from anything drawn by default.
ZCtx goldContext() {
  ZCtx ctx = smallWidget.context();
  ctx.accent = ZavelTokens::gold;
  return ctx;
}

LaidOutTree layReading(int64_t aqi) {
  return layReal(AirQualityView{{aqi, {}}, goldContext()}.body(), smallWidget);
}

struct Bar {
  Rect track;
  Rect fill;
  Paint fillPaint;
  Paint trackPaint;
};

Bar barOf(const LaidOutTree &tree) {
  std::vector<const LaidOutNode *> capsules = nodes(tree, "Capsule");
  EXPECT_EQ(capsules.size(), 2u);
  return {capsules.at(0)->frame, capsules.at(1)->frame, capsules.at(1)->as<ShapeDraw>()->paint,
          capsules.at(0)->as<ShapeDraw>()->paint};
}

TEST(AirQualityView, RowsDownTheScreenFromTheTopLeadingCorner) {
  LaidOutTree tree = layReading(42);
  double u = smallWidget.u();
  Rect screen = smallWidget.screen();
  double left = screen.minX() + 18 * u;
  EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"AIR QUALITY", "42", "GOOD"}));

  Rect title = textFrame(tree, "AIR QUALITY");
  EXPECT_NEAR(title.minX(), left, 1e-9);
  EXPECT_NEAR(title.minY(), screen.minY() + 18 * u, 1e-9);
  expectMicroLabel(tree, "AIR QUALITY", smallWidget, 9, 0.18, ZavelTokens::screenText2);

  Rect number = textFrame(tree, "42");
  EXPECT_NEAR(number.minX(), left, 1e-9);
  EXPECT_NEAR(number.minY(), title.maxY() + 16 * u, 1e-9);
  const TextRun &numberRun = textRun(tree, "42");
  EXPECT_EQ(numberRun.style.font, smallWidget.context().mono(72, FontWeight::bold));
  EXPECT_EQ(numberRun.style.lineLimit, 1);
  EXPECT_EQ(numberRun.style.minimumScaleFactor, 0.55);

  Rect category = textFrame(tree, "GOOD");
  EXPECT_NEAR(category.minX(), left, 1e-9);
  EXPECT_NEAR(category.minY(), number.maxY() + 10 * u, 1e-9);
  expectMicroLabel(tree, "GOOD", smallWidget, 10, 0.16, ZavelTokens::screenText1);

  // The bar sits on the bottom padding across the whole width.
  Bar bar = barOf(tree);
  EXPECT_NEAR(bar.track.minX(), left, 1e-9);
  EXPECT_NEAR(bar.track.maxX(), screen.maxX() - 18 * u, 1e-9);
  EXPECT_NEAR(bar.track.maxY(), screen.maxY() - 18 * u, 1e-9);
  EXPECT_NEAR(bar.track.size.height, 5 * u, 1e-9);
  EXPECT_EQ(bar.trackPaint, Paint{ZavelTokens::track});
}

TEST(AirQualityView, ColourBandAndBarFollowTheIndex) {
  const Color teal = ZavelTokens::dataTeal, gold = ZavelTokens::gold;
  struct Case {
    int64_t aqi;
    const char *category;
    Color reading;
    double fraction;
  };
  for (const Case &c : {
           Case{0, "GOOD", teal, 0},
           Case{42, "GOOD", teal, 0.21},
           Case{50, "GOOD", teal, 0.25},
           Case{51, "MODERATE", teal, 0.255},
           Case{100, "MODERATE", teal, 0.5},
           Case{101, "UNHEALTHY FOR SOME", gold, 0.505},
           Case{151, "UNHEALTHY", gold, 0.755},
           Case{200, "UNHEALTHY", gold, 1},
           Case{201, "VERY UNHEALTHY", gold, 1},
           Case{301, "HAZARDOUS", gold, 1},
           Case{-7, "GOOD", teal, 0},
           Case{std::numeric_limits<int64_t>::min(), "GOOD", teal, 0},
       }) {
    std::string number = std::to_string(c.aqi);
    LaidOutTree tree = layReading(c.aqi);
    EXPECT_EQ(tree.root.texts().at(1), number) << c.aqi;
    EXPECT_EQ(tree.root.texts().at(2), c.category) << c.aqi;
    EXPECT_EQ(textRun(tree, number).paint, Paint{c.reading}) << c.aqi;
    Bar bar = barOf(tree);
    EXPECT_EQ(bar.fillPaint, Paint{c.reading}) << c.aqi;
    // An empty bar still shows a dot as wide as the bar is high.
    double expected = std::max(bar.track.size.width * c.fraction, bar.track.size.height);
    EXPECT_NEAR(bar.fill.size.width, expected, 1e-9) << c.aqi;
    EXPECT_NEAR(bar.fill.minX(), bar.track.minX(), 1e-9) << c.aqi;
  }
}

TEST(AirQualityView, AWideNumberShrinksOnOneLineButNoFurtherThanItsFloor) {
  double inner = smallWidget.screen().size.width - 36 * smallWidget.u();
  Rect plain = textFrame(layReading(42), "42");
  struct Case {
    int64_t aqi;
    bool truncated;
  };
  for (const Case &c : {Case{123456, false}, Case{std::numeric_limits<int64_t>::max(), true}}) {
    std::string number = std::to_string(c.aqi);
    LaidOutTree tree = layReading(c.aqi);
    const LaidOutNode *node = tree.root.findAll("Text").at(1);
    EXPECT_LE(node->frame.size.width, inner + 1e-9) << number;
    TextMetrics fitted = defaultTextEngine().measure(
        node->as<TextRun>()->text, node->as<TextRun>()->style, ProposedSize::of(node->frame.size));
    EXPECT_EQ(fitted.lineCount, 1) << number;
    EXPECT_EQ(fitted.truncated, c.truncated) << number;
    EXPECT_LT(fitted.scale, 1) << number;
    EXPECT_GE(fitted.scale, 0.55) << number;
    // Shrunk, the line is lower than the unshrunk one, but not below the floor.
    EXPECT_LT(node->frame.size.height, plain.size.height) << number;
    EXPECT_GE(node->frame.size.height, 0.55 * plain.size.height - 1e-9) << number;
  }
}

} // namespace
} // namespace zavel
