#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Theme/ZavelFonts.h"
#include "Shared/Views/Hardware/HardwareTesting.h"
#include "Shared/Views/WidgetContext.h"
#include "kit/ui/LayoutTesting.h"
#include "kit/ui/UI.h"
#include "kit/ui/text/TextEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace zavel::testing {

// The widget sizes the host gives, in points, with their size classes.
struct WidgetSize {
  ZavelSize sizeClass;
  kit::ui::Size size;
};
inline constexpr WidgetSize smallWidget{ZavelSize::s, {170, 170}};
inline constexpr WidgetSize mediumWidget{ZavelSize::m, {364, 170}};
inline constexpr WidgetSize largeWidget{ZavelSize::l, {364, 382}};

// The render context the widget root makes for a widget: the design canvas scaled to fit.
inline ZCtx widgetContext(const WidgetSize &widget, bool cream = false) {
  kit::ui::Size canvas = designCanvas(widget.sizeClass);
  double u = std::min(widget.size.width / canvas.width, widget.size.height / canvas.height);
  return context(u, widget.sizeClass, cream);
}

// The process's text engine on the shipped fonts, for checks where real glyph widths matter.
inline const kit::ui::TextEngine &realTextEngine() {
  ZavelFonts::registerFonts();
  return kit::ui::defaultTextEngine();
}

inline kit::ui::LaidOutTree layReal(const kit::ui::View &view, kit::ui::Size size) {
  return kit::ui::layOut(view, size, kit::ui::LayoutContext{realTextEngine(), {}});
}

// The text node showing `text`; fails the test when there is none.
inline const kit::ui::LaidOutNode &textNode(const kit::ui::LaidOutTree &tree,
                                            std::string_view text) {
  const kit::ui::LaidOutNode *node = tree.root.findText(text);
  if (!node) {
    ADD_FAILURE() << "no text \"" << text << "\"";
    static const kit::ui::LaidOutNode none;
    return none;
  }
  return *node;
}

inline const kit::ui::TextRun &run(const kit::ui::LaidOutNode &node) {
  static const kit::ui::TextRun none;
  const kit::ui::TextRun *text = node.as<kit::ui::TextRun>();
  return text ? *text : none;
}

// A caption drawn as a micro label of the given size, tracking and colour.
inline void expectMicroLabel(const kit::ui::LaidOutNode &node, double size, double em,
                             kit::ui::Color color, const ZCtx &ctx) {
  const kit::ui::TextRun &text = run(node);
  double effective = size < 18 ? (size + 18) / 2 : size;
  EXPECT_EQ(text.style.font, ctx.mono(size, kit::ui::FontWeight::regular)) << text.text;
  EXPECT_NEAR(text.style.tracking, effective * em * ctx.u, 1e-9) << text.text;
  EXPECT_EQ(text.paint, kit::ui::Paint{color}) << text.text;
  EXPECT_EQ(text.style.lineLimit, 1) << text.text;
}

// A snapshot with only the figures the faces read set.
inline WeatherSnapshot weather(std::string place, int64_t temperature, int64_t high, int64_t low) {
  WeatherSnapshot snapshot;
  snapshot.place = std::move(place);
  snapshot.temperature = temperature;
  snapshot.condition = "Partly cloudy";
  snapshot.high = high;
  snapshot.low = low;
  snapshot.feelsLike = temperature;
  return snapshot;
}

} // namespace zavel::testing
