#include "Shared/Views/Hardware/MicroLabel.h"
#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/LEDDot.h"
#include "Shared/Views/Hardware/NumeralFit.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

const TextRun &onlyText(const LaidOutTree &tree) {
  return *tree.root.findAll("Text").at(0)->as<TextRun>();
}

TEST(MicroLabel, TracksByTheRaisedSizeInTheLabelFont) {
  struct Case {
    double size, em, u;
    FontWeight weight;
    double tracking;
  };
  for (const Case &c : {
           Case{10, 0.1, 1, FontWeight::regular, 1.4}, // raised halfway toward 18: 14
           Case{24, 0.1, 1, FontWeight::regular, 2.4},
           Case{18, 0.2, 1, FontWeight::semibold, 3.6},
           Case{9, 0.18, 0.5, FontWeight::bold, 13.5 * 0.18 * 0.5},
       }) {
    ZCtx ctx = context(c.u);
    LaidOutTree tree =
        lay(MicroLabel("today", c.size, c.em, ZavelTokens::screenText2, c.weight, ctx), {300, 40});
    const TextRun &run = onlyText(tree);
    EXPECT_NEAR(run.style.tracking, c.tracking, 1e-12) << c.size;
    EXPECT_EQ(run.style.font, ctx.mono(c.size, c.weight)) << c.size;
    EXPECT_EQ(run.style.lineLimit, 1) << c.size;
    EXPECT_EQ(run.paint, Paint{ZavelTokens::screenText2}) << c.size;
  }
}

TEST(MicroLabel, ShowsTheTextUpperCased) {
  for (auto [given, shown] : {std::pair{"Café", "CAFÉ"},
                              {"straße", "STRASSE"},
                              {"GMT+5:30 — day", "GMT+5:30 — DAY"},
                              {"", ""}}) {
    LaidOutTree tree = lay(MicroLabel(given, 9, 0.16, ZavelTokens::screenText3, context(1)));
    EXPECT_EQ(onlyText(tree).text, shown);
    EXPECT_EQ(onlyText(tree).style.font, context(1).mono(9, FontWeight::regular));
  }
}

TEST(MicroLabel, ALongCaptionStaysOnOneLine) {
  LaidOutTree tree = lay(MicroLabel("a caption far too long for its little screen", 10, 0.1,
                                    ZavelTokens::screenText1, context(1)),
                         {80, 100});
  const LaidOutNode *text = tree.root.findAll("Text").at(0);
  LaidOutTree single = lay(MicroLabel("a", 10, 0.1, ZavelTokens::screenText1, context(1)));
  EXPECT_EQ(text->frame.size.height, single.root.findAll("Text").at(0)->frame.size.height);
  EXPECT_LE(text->frame.size.width, 80);
}

TEST(LEDDot, LitInItsColourDarkInBarGrey) {
  const Color lit = Color::rgb8(28, 174, 194);
  struct Case {
    bool on;
    Color color;
    Color shown;
  };
  for (const Case &c : {Case{true, lit, lit}, Case{false, lit, ZavelTokens::barGray},
                        Case{false, Color::white, ZavelTokens::barGray}}) {
    LaidOutTree tree = lay(LEDDot(c.on, c.color, 7, context(0.5)), {20, 20});
    const LaidOutNode *dot = tree.root.findAll("Circle").at(0);
    EXPECT_EQ(dot->frame, rect(8.25, 8.25, 3.5, 3.5));
    EXPECT_EQ(dot->as<ShapeDraw>()->paint, Paint{c.shown});
    EXPECT_FALSE(dot->as<ShapeDraw>()->stroke);
  }
}

TEST(NumeralFit, ShrinksOnOneLineInsteadOfWrapping) {
  View numeral = numeralFit(Text("12 345").font(Font::system(40)));
  const LaidOutNode *text = lay(numeral, {100, 200}).root.findAll("Text").at(0);
  const TextRun &run = *text->as<TextRun>();
  EXPECT_EQ(run.style.lineLimit, 1);
  EXPECT_EQ(run.style.minimumScaleFactor, 0.55);
  // Six characters at 24 points each would need 144; it shrinks to fit 100 on one line.
  EXPECT_LE(text->frame.size.width, 100);
  EXPECT_LT(text->frame.size.height, 1.2 * 40);
}

} // namespace
} // namespace zavel
