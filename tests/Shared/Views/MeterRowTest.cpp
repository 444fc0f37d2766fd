#include "Shared/Views/MeterRow.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ViewTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(MeterRow, CaptionAndFigureKeepTheirColumnsAndTheBarTakesTheRest) {
  struct Case {
    double labelWidth = 0;
    std::string label;
  };
  for (const Case &c : {Case{.labelWidth = 80, .label = "STORAGE"},
                        Case{.labelWidth = 96, .label = "a name far too long for its column"}}) {
    ZCtx ctx = context(0.5, ZavelSize::m);
    LaidOutTree tree = layReal(MeterRow(c.label, 0.5, "100",
                                        {.labelWidth = c.labelWidth,
                                         .label = ZavelTokens::screenText3,
                                         .fill = ZavelTokens::dataTeal,
                                         .figure = ZavelTokens::screenText1},
                                        ctx),
                               {ZavelSize::m, {300, 40}});
    std::vector<const LaidOutNode *> texts = tree.root.findAll("Text"),
                                     bar = tree.root.findAll("Capsule");
    ASSERT_EQ(texts.size(), 2u);
    ASSERT_EQ(bar.size(), 2u);
    // The caption within its column, on one line; 14 units to the bar, 14 more to the figure's
    // column of 36, whose text ends at the row's end.
    EXPECT_LE(texts[0]->frame.maxX(), c.labelWidth * 0.5 + 1e-9) << c.label;
    EXPECT_EQ(fitted(*texts[0]).lineCount, 1);
    EXPECT_NEAR(bar[0]->frame.minX(), (c.labelWidth + 14) * 0.5, 1e-9);
    EXPECT_NEAR(bar[0]->frame.maxX(), 300 - (14 + 36) * 0.5, 1e-9);
    EXPECT_NEAR(texts[1]->frame.maxX(), 300, 1e-9);
    EXPECT_NEAR(bar[1]->frame.size.width, bar[0]->frame.size.width / 2, 1e-9);
  }
}

} // namespace
} // namespace zavel
