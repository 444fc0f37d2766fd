#include "kit/ui/text/PangoTextEngine.h"

#include "ShippedFonts.h"
#include "kit/ui/Image.h"
#include "kit/ui/Layout.h"
#include "kit/ui/Render.h"
#include "kit/ui/Text.h"
#include "kit/ui/drawing/CairoHandles.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kit::ui {
namespace {

constexpr double pixelsPerPoint = 2;

// Where ink lies on the canvas, in points.
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
  }
  cairo_t *cr() const { return cr_.get(); }
  Color pixel(int x, int y) const { return image_.pixel(x, y); }

  // Pixels at least half covered; each covers [x, x + 1/2) points.
  Ink ink() const {
    Ink ink;
    for (int y = 0; y < image_.height(); ++y)
      for (int x = 0; x < image_.width(); ++x) {
        Point p{x / pixelsPerPoint, y / pixelsPerPoint};
        if (image_.pixel(x, y).alpha >= 0.5)
          ink = {std::min(ink.minX, p.x), std::min(ink.minY, p.y),
                 std::max(ink.maxX, p.x + 1 / pixelsPerPoint),
                 std::max(ink.maxY, p.y + 1 / pixelsPerPoint)};
      }
    return ink;
  }

private:
  Image image_;
  drawing::ContextPtr cr_;
};

TextStyle plex(const char *face, double size, double tracking = 0) {
  return {.font = Font::postScript(face, size), .tracking = tracking, .lineLimit = {}};
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

TEST_F(TextDraw, InkStaysWithinTheMeasuredFrame) {
  TextStyle wrapped = plex("IBMPlexMono-Regular", 12, 1), shrunk = plex("IBMPlexMono-Bold", 40, 1);
  wrapped.alignment = TextAlignment::center;
  shrunk.lineLimit = 1;
  shrunk.minimumScaleFactor = 0.3;
  for (const auto &[text, style] :
       {std::pair{"WIDE WORDS WRAP HERE", wrapped}, std::pair{"88:88", shrunk}}) {
    Canvas canvas({120, 120});
    ProposedSize proposal{text[0] == '8' ? 60 : 70, std::nullopt};
    Rect frame = draw(canvas, text, style, {10, 10}, proposal);
    Ink ink = canvas.ink();
    ASSERT_FALSE(ink.empty()) << text;
    // The flat feet of the last line's glyphs stand on its baseline.
    EXPECT_NEAR(ink.maxY, frame.minY() + engine.measure(text, style, proposal).lastBaseline, 0.5);
    EXPECT_TRUE(ink.minX >= frame.minX() && ink.minY >= frame.minY() && ink.maxX <= frame.maxX() &&
                ink.maxY <= frame.maxY())
        << text;
    // Glyphs reach to within their side bearing and the tracking of the frame's right edge.
    EXPECT_GE(ink.maxX, frame.maxX() - 3) << text;
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

// The line runs through the gap between the letters, in the text's own colour.
TEST_F(TextDraw, StrikethroughIsDrawnAcrossTheTextInItsColour) {
  const Color red = Color::rgb(1, 0, 0);
  struct Column {
    int inked = 0, red = 0;
  };
  auto gap = [&](bool struck) {
    View label = Text("M   M")
                     .font(Font::postScript("IBMPlexMono-Regular", 20))
                     .foreground(red)
                     .strikethrough(struck);
    LaidOutTree tree = layOut(label, {100, 40}, {engine, {}});
    Image image = render(tree, {.scale = 1, .clipToWidgetOutline = false});
    Column column;
    int x = int(tree.root.frame.midX());
    for (int y = 0; y < image.height(); ++y) {
      Color pixel = image.pixel(x, y);
      column.inked += pixel.alpha > 0.5;
      column.red += pixel.alpha > 0.5 && pixel.red > 0.9 && pixel.green < 0.1 && pixel.blue < 0.1;
    }
    return column;
  };
  EXPECT_EQ(gap(false).inked, 0);
  Column struck = gap(true);
  EXPECT_GE(struck.inked, 1);
  EXPECT_EQ(struck.red, struck.inked);
}

// A colour emoji is a bitmap face: drawn at its own strike it would stand ten times the text's
// height. It is scaled to the text's size, kept inside the frame, and drawn as a picture in
// colour rather than as a box in the text's ink.
TEST_F(TextDraw, AnEmojiIsDrawnInColourAtTheSizeOfTheTextAroundIt) {
  for (double size : {8.0, 12.0, 30.0}) {
    TextStyle style = plex("IBMPlexMono-Regular", size);
    double plain = engine.measure("Gate code 4711", style, {}).size.height;
    Canvas canvas({40 + 12 * size, 40 + 3 * size});
    cairo_set_source_rgb(canvas.cr(), 0, 0, 0);
    Rect frame = draw(canvas, "Gate code 4711 \U0001F511", style, {10, 10});
    EXPECT_LE(frame.size.height, 1.25 * plain) << size;
    Ink ink = canvas.ink();
    EXPECT_TRUE(ink.minY >= frame.minY() && ink.maxY <= frame.maxY() && ink.maxX <= frame.maxX())
        << size;
    // Only the key is coloured: the letters are black.
    double left = frame.maxX(), reddest = 0;
    for (int y = int(frame.minY() * pixelsPerPoint); y < int(frame.maxY() * pixelsPerPoint); ++y)
      for (int x = int(frame.minX() * pixelsPerPoint); x < int(frame.maxX() * pixelsPerPoint);
           ++x) {
        Color pixel = canvas.pixel(x, y);
        if (pixel.alpha > 0.5 && std::max({pixel.red, pixel.green, pixel.blue}) > 0.4) {
          left = std::min(left, x / pixelsPerPoint);
          reddest = std::max(reddest, pixel.red);
        }
      }
    EXPECT_GT(reddest, 0.4) << size;
    // The key stands after the 15 characters before it, each 0.6 em wide.
    EXPECT_GT(left, frame.minX() + 15 * 0.6 * size - 1) << size;
  }
}

} // namespace
} // namespace kit::ui
