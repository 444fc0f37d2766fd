#include "kit/ui/text/PangoTextEngine.h"

#include "ShippedFonts.h"
#include "Styled.h"
#include "kit/ui/Image.h"
#include "kit/ui/drawing/CairoHandles.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kit::ui {
namespace {

constexpr double pixelsPerPoint = 2;

// Where ink lies, in points, within a region of the canvas.
struct Ink {
  double minX = infinity, minY = infinity, maxX = -infinity, maxY = -infinity;
  bool empty() const { return minX > maxX; }
};

// A transparent canvas drawn on at two pixels a point, as widgets are rendered.
class Canvas {
public:
  explicit Canvas(Size size)
      : image_(int(size.width * pixelsPerPoint), int(size.height * pixelsPerPoint)),
        cr_(cairo_create(image_.surface())) {
    cairo_scale(cr_.get(), pixelsPerPoint, pixelsPerPoint);
    cairo_set_source_rgb(cr_.get(), 0, 0, 0);
  }
  cairo_t *cr() const { return cr_.get(); }

  // Pixels at least half covered; each covers [x, x + 1/2) points.
  Ink ink(Rect region = {{0, 0}, {1e9, 1e9}}) const {
    Ink ink;
    for (int y = 0; y < image_.height(); ++y)
      for (int x = 0; x < image_.width(); ++x) {
        Point p{x / pixelsPerPoint, y / pixelsPerPoint};
        if (image_.pixel(x, y).alpha < 0.5 || !region.contains(p))
          continue;
        ink.minX = std::min(ink.minX, p.x);
        ink.minY = std::min(ink.minY, p.y);
        ink.maxX = std::max(ink.maxX, p.x + 1 / pixelsPerPoint);
        ink.maxY = std::max(ink.maxY, p.y + 1 / pixelsPerPoint);
      }
    return ink;
  }

  // Whether some column in [fromX, toX) has no ink at all.
  bool hasEmptyColumnBetween(double fromX, double toX) const {
    for (double x = fromX; x < toX; x += 1 / pixelsPerPoint)
      if (ink({{x, 0}, {1 / pixelsPerPoint, 1e9}}).empty())
        return true;
    return false;
  }

private:
  Image image_;
  drawing::ContextPtr cr_;
};

TextStyle plex(const char *face, double size, double tracking = 0) {
  TextStyle style = testing::styled(Font::postScript(face, size));
  style.tracking = tracking;
  return style;
}

class TextDraw : public ::testing::Test {
protected:
  void SetUp() override { testing::registerShippedFonts(); }

  // Draws the text at its measured size for the proposal and returns that frame.
  Rect draw(Canvas &canvas, std::string_view text, const TextStyle &style, Point origin,
            ProposedSize proposal = {}) {
    Rect frame{origin, engine.measure(text, style, proposal).size};
    engine.draw(canvas.cr(), text, style, frame);
    return frame;
  }

  PangoTextEngine engine;
};

TEST_F(TextDraw, ALargeNumeralAndASmallLabelShareTheirBaseline) {
  TextStyle numeral = plex("IBMPlexMono-Bold", 76, -1.52);
  TextStyle label = plex("IBMPlexMono-Medium", 10, 1.8);
  auto numeralMetrics = engine.measure("11", numeral, {});
  auto labelMetrics = engine.measure("HILT", label, {});
  EXPECT_NEAR(numeralMetrics.firstBaseline, 77.9, 0.01);
  EXPECT_NEAR(labelMetrics.firstBaseline, 10.25, 0.01);

  Canvas canvas({200, 120});
  Rect numeralFrame = draw(canvas, "11", numeral, {0, 0});
  double labelX = numeralFrame.maxX() + 8;
  draw(canvas, "HILT", label, {labelX, numeralMetrics.firstBaseline - labelMetrics.firstBaseline});

  // The flat feet of these glyphs stand on the baseline.
  Ink numeralInk = canvas.ink({{0, 0}, {labelX, 120}});
  Ink labelInk = canvas.ink({{labelX, 0}, {200 - labelX, 120}});
  EXPECT_NEAR(numeralInk.maxY, numeralMetrics.firstBaseline, 0.5);
  EXPECT_NEAR(labelInk.maxY, numeralInk.maxY, 0.5);
}

TEST_F(TextDraw, LinesAlignWithinTheTextIncludingTheirLastTracking) {
  // 6-point glyphs and 2 points of tracking: lines of 2 and 4 cells of 8 points.
  struct Case {
    TextAlignment alignment;
    double shift;
  } cases[] = {
      {TextAlignment::leading, 0}, {TextAlignment::center, 8}, {TextAlignment::trailing, 16}};
  for (const auto &c : cases) {
    TextStyle style = plex("IBMPlexMono-Regular", 10, 2);
    style.alignment = c.alignment;
    Canvas canvas({60, 40});
    Rect frame = draw(canvas, "II\nIIII", style, {4, 4});
    EXPECT_NEAR(frame.size.width, 32, 0.01);
    Ink first = canvas.ink({{0, 0}, {60, frame.midY()}});
    Ink second = canvas.ink({{0, frame.midY()}, {60, 40}});
    EXPECT_NEAR(first.minX - second.minX, c.shift, 0.5) << int(c.alignment);
    EXPECT_NEAR(second.maxX - first.maxX, 16 - c.shift, 0.5) << int(c.alignment);
  }
}

TEST_F(TextDraw, StrikethroughCrossesTheGapsBetweenLetters) {
  for (bool strikethrough : {false, true}) {
    TextStyle style = plex("IBMPlexMono-Regular", 10, 10);
    style.strikethrough = strikethrough;
    Canvas canvas({100, 20});
    draw(canvas, "IIII", style, {0, 0});
    Ink ink = canvas.ink();
    EXPECT_EQ(canvas.hasEmptyColumnBetween(ink.minX, ink.maxX), !strikethrough);
  }
}

TEST_F(TextDraw, InkStaysWithinTheMeasuredFrame) {
  struct Case {
    const char *text;
    TextStyle style;
    ProposedSize proposal;
  };
  TextStyle wrapped = plex("IBMPlexMono-Regular", 12, 1);
  TextStyle truncated = wrapped;
  truncated.lineLimit = 1;
  TextStyle shrunk = plex("IBMPlexMono-Bold", 40, 1);
  shrunk.lineLimit = 1;
  shrunk.minimumScaleFactor = 0.3;
  TextStyle centred = wrapped;
  centred.alignment = TextAlignment::center;
  const Case cases[] = {
      {"WIDE WORDS WRAP HERE", wrapped, {70, std::nullopt}},
      {"WIDE WORDS WRAP HERE", truncated, {70, std::nullopt}},
      {"88:88", shrunk, {60, std::nullopt}},
      {"WIDE WORDS WRAP HERE", centred, {70, std::nullopt}},
  };
  for (const auto &c : cases) {
    Canvas canvas({120, 120});
    Rect frame = draw(canvas, c.text, c.style, {10, 10}, c.proposal);
    Ink ink = canvas.ink();
    ASSERT_FALSE(ink.empty()) << c.text;
    EXPECT_GE(ink.minX, frame.minX()) << c.text;
    EXPECT_GE(ink.minY, frame.minY()) << c.text;
    EXPECT_LE(ink.maxX, frame.maxX()) << c.text;
    EXPECT_LE(ink.maxY, frame.maxY()) << c.text;
    // Glyphs reach to within their side bearing and the tracking of the frame's right edge.
    EXPECT_GE(ink.maxX, frame.maxX() - 3) << c.text;
  }
}

TEST_F(TextDraw, AFrameThatIsNotFiniteDrawsNothing) {
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  Canvas canvas({40, 40});
  TextStyle style = plex("IBMPlexMono-Regular", 10);
  engine.draw(canvas.cr(), "AB", style, {{nan, 0}, {20, 20}});
  engine.draw(canvas.cr(), "AB", style, {{0, infinity}, {20, 20}});
  engine.draw(nullptr, "AB", style, {{0, 0}, {20, 20}});
  EXPECT_TRUE(canvas.ink().empty());
  EXPECT_EQ(cairo_status(canvas.cr()), CAIRO_STATUS_SUCCESS);
  engine.draw(canvas.cr(), "AB", style, {{0, 0}, {nan, nan}});
  EXPECT_FALSE(canvas.ink().empty());
}

} // namespace
} // namespace kit::ui
