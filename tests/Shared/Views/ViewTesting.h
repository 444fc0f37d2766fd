#pragma once

// What every view test shares: the render context a root would give, widgets at the sizes the
// host shows them, laying a view out with the real fonts, finding its texts and checking a
// numeral's fit.

#include "Shared/Theme/ZavelFonts.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/LayoutTesting.h"
#include "kit/ui/UI.h"
#include "kit/ui/text/TextEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace zavel::testing {

using kit::ui::testing::lay;
using kit::ui::testing::rect;

// A render context as the widget root makes it, with the unit, size class and casing given.
inline ZCtx context(double u, ZavelSize size = ZavelSize::s, bool cream = false) {
  ZCtx ctx;
  ctx.cream = cream;
  ctx.u = u;
  ctx.size = size;
  return ctx;
}

// A widget's size in points as the host shows it, with the unit the root derives for it.
struct WidgetFrame {
  ZavelSize size;
  kit::ui::Size points;

  double u() const {
    kit::ui::Size canvas = designCanvas(size);
    return std::min(points.width / canvas.width, points.height / canvas.height);
  }
  ZCtx context(bool cream = false) const { return zavel::testing::context(u(), size, cream); }
};

inline constexpr WidgetFrame smallWidget{ZavelSize::s, {170, 170}};
inline constexpr WidgetFrame mediumWidget{ZavelSize::m, {364, 170}};
inline constexpr WidgetFrame largeWidget{ZavelSize::l, {364, 382}};

// The process's text engine on the shipped fonts, for checks where real glyph widths matter.
inline const kit::ui::TextEngine &realTextEngine() {
  ZavelFonts::registerFonts();
  return kit::ui::defaultTextEngine();
}

// Lays a view out in the widget with the real fonts, at the moment `now` for timer texts and
// views built from the moment of rendering.
inline kit::ui::LaidOutTree layReal(const kit::ui::View &view, const WidgetFrame &widget,
                                    kit::foundation::Date now = {}) {
  return kit::ui::layOut(view, widget.points, kit::ui::LayoutContext{realTextEngine(), now});
}

// The text node showing `text`; fails the test when there is none.
inline const kit::ui::LaidOutNode &textNode(const kit::ui::LaidOutTree &tree,
                                            std::string_view text) {
  static const kit::ui::LaidOutNode none;
  const kit::ui::LaidOutNode *node = tree.root.findText(text);
  EXPECT_TRUE(node) << "no text \"" << text << "\"";
  return node ? *node : none;
}

inline const kit::ui::TextRun &run(const kit::ui::LaidOutNode &node) {
  static const kit::ui::TextRun none;
  const kit::ui::TextRun *text = node.as<kit::ui::TextRun>();
  return text ? *text : none;
}

// How the real engine sets a text in the frame the layout gave it.
inline kit::ui::TextMetrics fitted(const kit::ui::LaidOutNode &node) {
  return realTextEngine().measure(run(node).text, run(node).style,
                                  kit::ui::ProposedSize::of(node.frame.size));
}

// A numeral on one line within `width`: as it is, shrunk, or at its least scale and cut.
enum class Fit { asIs, shrunk, cut };
inline void expectFit(const kit::ui::LaidOutNode &numeral, double width, Fit fit) {
  kit::ui::TextMetrics metrics = fitted(numeral);
  const std::string &text = run(numeral).text;
  EXPECT_EQ(metrics.lineCount, 1) << text;
  EXPECT_LE(numeral.frame.size.width, width + 0.01) << text; // advances are whole 1/1024ths
  EXPECT_EQ(metrics.truncated, fit == Fit::cut) << text;
  EXPECT_EQ(metrics.scale < 1, fit != Fit::asIs) << text;
  EXPECT_GE(metrics.scale, fit == Fit::cut ? 0.55 : 0.5501) << text; // cut only at the floor
  EXPECT_LE(metrics.scale, fit == Fit::cut ? 0.55 : 1) << text;
}

inline void expectRectNear(const kit::ui::Rect &actual, const kit::ui::Rect &expected,
                           const std::string &what, double tolerance = 1e-9) {
  EXPECT_NEAR(actual.minX(), expected.minX(), tolerance) << what;
  EXPECT_NEAR(actual.minY(), expected.minY(), tolerance) << what;
  EXPECT_NEAR(actual.size.width, expected.size.width, tolerance) << what;
  EXPECT_NEAR(actual.size.height, expected.size.height, tolerance) << what;
}

inline void expectPointNear(const kit::ui::Point &actual, const kit::ui::Point &expected,
                            const std::string &what, double tolerance = 1e-9) {
  EXPECT_NEAR(actual.x, expected.x, tolerance) << what;
  EXPECT_NEAR(actual.y, expected.y, tolerance) << what;
}

} // namespace zavel::testing
