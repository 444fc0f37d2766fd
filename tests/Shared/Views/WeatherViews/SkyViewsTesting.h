#pragma once

#include "Shared/Theme/ZavelFonts.h"
#include "Shared/Views/Hardware/HardwareTesting.h"
#include "Shared/Views/ZavelSize.h"
#include "kit/ui/Layout.h"
#include "kit/ui/text/TextEngine.h"

#include <algorithm>
#include <string>

namespace zavel::testing {

// A widget's size in points as the host shows it, with the unit the root derives for it.
struct WidgetFrame {
  ZavelSize size;
  kit::ui::Size points;

  double u() const {
    kit::ui::Size canvas = designCanvas(size);
    return std::min(points.width / canvas.width, points.height / canvas.height);
  }
  // The dark screen inside the casing: inset 14, 15 or 16 units by size class.
  kit::ui::Rect screen() const {
    double inset = (size == ZavelSize::s ? 14 : size == ZavelSize::m ? 15 : 16) * u();
    return rect(inset, inset, points.width - 2 * inset, points.height - 2 * inset);
  }
  ZCtx context() const { return zavel::testing::context(u(), size); }
};

inline constexpr WidgetFrame smallWidget{ZavelSize::s, {170, 170}};
inline constexpr WidgetFrame mediumWidget{ZavelSize::m, {364, 170}};

// Lays a view out at the widget's size with the real text engine and the shipped fonts.
inline kit::ui::LaidOutTree layReal(const kit::ui::View &view, const WidgetFrame &widget) {
  ZavelFonts::registerFonts();
  return kit::ui::layOut(view, widget.points,
                         kit::ui::LayoutContext{kit::ui::defaultTextEngine(), {}});
}

// The frame of the text node showing exactly `text`; fails the test when there is none.
inline kit::ui::Rect textFrame(const kit::ui::LaidOutTree &tree, const std::string &text) {
  const kit::ui::LaidOutNode *node = tree.root.findText(text);
  EXPECT_TRUE(node) << "no text \"" << text << "\"";
  return node ? node->frame : kit::ui::Rect{};
}

inline const kit::ui::TextRun &textRun(const kit::ui::LaidOutTree &tree, const std::string &text) {
  static const kit::ui::TextRun none;
  const kit::ui::LaidOutNode *node = tree.root.findText(text);
  EXPECT_TRUE(node) << "no text \"" << text << "\"";
  return node ? *node->as<kit::ui::TextRun>() : none;
}

// Checks that `text` is drawn as a regular micro label of that design size, spacing and colour.
inline void expectMicroLabel(const kit::ui::LaidOutTree &tree, const std::string &text,
                             const WidgetFrame &widget, double size, double em,
                             kit::ui::Color color) {
  const kit::ui::TextRun &run = textRun(tree, text);
  double raised = size < 18 ? (size + 18) / 2 : size;
  EXPECT_EQ(run.style.font, widget.context().mono(size, kit::ui::FontWeight::regular)) << text;
  EXPECT_NEAR(run.style.tracking, raised * em * widget.u(), 1e-12) << text;
  EXPECT_EQ(run.paint, kit::ui::Paint{color}) << text;
}

} // namespace zavel::testing
