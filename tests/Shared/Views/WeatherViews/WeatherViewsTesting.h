#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Theme/ZavelFonts.h"
#include "Shared/Views/Hardware/HardwareTesting.h"
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
  ZCtx context() const { return zavel::testing::context(u(), size); }
};

inline constexpr WidgetFrame smallWidget{ZavelSize::s, {170, 170}};
inline constexpr WidgetFrame mediumWidget{ZavelSize::m, {364, 170}};

// The process's text engine on the shipped fonts, for checks where real glyph widths matter.
inline const kit::ui::TextEngine &realTextEngine() {
  ZavelFonts::registerFonts();
  return kit::ui::defaultTextEngine();
}

inline kit::ui::LaidOutTree layReal(const kit::ui::View &view, const WidgetFrame &widget) {
  return kit::ui::layOut(view, widget.points, kit::ui::LayoutContext{realTextEngine(), {}});
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

// A snapshot with only the figures the faces read set.
inline WeatherSnapshot weather(std::string place, int64_t temperature, int64_t high, int64_t low) {
  WeatherSnapshot snapshot;
  std::tie(snapshot.place, snapshot.temperature, snapshot.high, snapshot.low, snapshot.feelsLike) =
      std::tuple(std::move(place), temperature, high, low, temperature);
  snapshot.condition = "Partly cloudy";
  return snapshot;
}

} // namespace zavel::testing
