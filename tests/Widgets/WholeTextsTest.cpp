#include "Widgets/WholeTexts.h"

#include "Shared/Theme/CasingInks.h"
#include "Shared/Theme/DesignTokens.h"
#include "kit/foundation/Clock.h"
#include "kit/ui/Layout.h"
#include "kit/ui/UI.h"
#include "kit/ui/text/TextEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zavel::testing {
namespace {

using namespace kit::ui;

// The faults of a small widget drawing `view` that name `kind` of fault.
std::vector<std::string> faultsNaming(const View &view, const std::string &kind, bool cream = false,
                                      const TextEngine &engine = defaultTextEngine()) {
  LaidOutTree tree = layOut(
      view, {170, 170},
      {engine, kit::foundation::systemNow(), WidgetRenderingMode::fullColor, ColorScheme::light});
  std::vector<std::string> named;
  for (const std::string &fault : textFaults(tree, ZavelSize::s, cream, ZavelTokens::gold))
    if (fault.find(kind) != std::string::npos)
      named.push_back(fault);
  return named;
}

bool crossesARing(const View &view) { return !faultsNaming(view, "crosses a ring's line").empty(); }

View time(double x) { return Text("07:15").textRole(TextRole::data).offset(x, 0); }

// A progress arc is drawn as a trimmed circle; at a quarter its box is square, yet it is no circle.
TEST(WholeTexts, ATextOnAWholeRingsLineCrossesItAndOneInsideAnArcDoesNot) {
  View ring = Circle().stroke(Color::white, 6).frame(100, 100);
  View quarterArc = Circle().trim(0, 0.25).stroke(Color::white, 6).frame(100, 100);
  struct Case {
    const char *name;
    View view;
    bool crosses;
  } cases[] = {
      {"inside a whole ring", ZStack({ring, time(0)}), false},
      {"on a whole ring's line", ZStack({ring, time(50)}), true},
      {"inside a quarter arc", ZStack({quarterArc, time(0)}), false},
  };
  for (const Case &c : cases)
    EXPECT_EQ(crossesARing(c.view), c.crosses) << c.name;
}

View label(const std::string &text, Color ink) {
  return Text(text).font(Font::postScript("IBMPlexMono-Regular", 10)).foreground(ink);
}

// Each rule flags what breaks it and passes what keeps it.
TEST(WholeTexts, EachRuleFlagsTheTextOrMarkThatBreaksIt) {
  const Color unlitOnCream = casingInk(InkLevel::unlit, true);
  View capsule = Capsule().fill(ZavelTokens::track).frame(120, 20);
  View cutTime = Text("07:15:59").font(Font::postScript("IBMPlexMono-Bold", 20)).lineLimit(1);
  View badge = Capsule().fill(ZavelTokens::gold).frame(40, 18);
  View cap = Circle().fill(LinearGradient{{ZavelTokens::keyFaceA, ZavelTokens::keyFaceB}});
  auto onCap = [&](Color ink) {
    return ZStack({cap, Circle().fill(ink).frame(12, 12)}).frame(40, 40);
  };
  struct Case {
    const char *name;
    View view;
    bool cream;
    const char *fault;
    bool flagged;
  } cases[] = {
      // White is primary text: 4.5:1, which it loses at 0.4 (3.47:1 at graphite's light end).
      {"white at 0.4 on graphite", label("SCREEN", Color::white).opacity(0.4), false, "reads",
       true},
      {"white on graphite", label("SCREEN", Color::white), false, "reads", false},
      {"a text on a capsule's end", ZStack({capsule, label("ON", Color::white).offset(55, 0)}),
       false, "rounded ends", true},
      {"a text in a capsule's middle", ZStack({capsule, label("ON", Color::white)}), false,
       "rounded ends", false},
      {"a lit mark lighter than an unlit one on cream",
       HStack(
           {Circle().fill(unlitOnCream).frame(10, 10), Circle().fill(Color::white).frame(10, 10)}),
       true, "unlit mark", true},
      {"a lit mark darker than an unlit one on cream",
       HStack({Circle().fill(unlitOnCream).frame(10, 10),
               Circle().fill(casingInk(InkLevel::muted, true)).frame(10, 10)}),
       true, "unlit mark", false},
      {"a time cut", cutTime.textRole(TextRole::data).frame(40, 40), false, "cut", true},
      {"a time whole", cutTime.textRole(TextRole::data), false, "cut", false},
      {"white on a gold badge", ZStack({badge, label("12", Color::white)}), false, "beneath it",
       true},
      {"key ink on a gold badge", ZStack({badge, label("12", ZavelTokens::keyInk)}), false,
       "beneath it", false},
      {"a gold glyph on a light key", onCap(ZavelTokens::gold), false, "beneath it", true},
      {"a key-ink glyph on a light key", onCap(ZavelTokens::keyInk), false, "beneath it", false},
  };
  for (const Case &c : cases)
    EXPECT_EQ(faultsNaming(c.view, c.fault, c.cream).empty(), !c.flagged) << c.name;
}

// An engine that sets every line holding an emoji three times as tall, as a bitmap face drawn at
// its own size would.
class TallEmojiEngine final : public TextEngine {
public:
  TextMetrics measure(std::string_view text, const TextStyle &style,
                      ProposedSize proposal) const override {
    TextMetrics metrics = defaultTextEngine().measure(text, style, proposal);
    if (text.find("\U0001F511") != std::string_view::npos)
      metrics.size.height *= 3;
    return metrics;
  }
  void draw(cairo_t *, std::string_view, const TextStyle &, const Rect &) const override {}
  std::string resolvedFaceName(const Font &font) const override {
    return defaultTextEngine().resolvedFaceName(font);
  }
};

TEST(WholeTexts, ALineMadeTallByAnEmojiIsFlagged) {
  TallEmojiEngine tall;
  View note = label("Gate code 4711 \U0001F511", Color::white);
  EXPECT_FALSE(faultsNaming(note, "without its pictographs", false, tall).empty());
  EXPECT_TRUE(faultsNaming(note, "without its pictographs").empty());
}

} // namespace
} // namespace zavel::testing
