#include "Shared/Views/NumeralReadout.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ViewTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(NumeralReadout, TheUnitFollowsOnTheNumeralsBaselineAndALongNumeralShrinksFirst) {
  struct Case {
    std::string numeral;
    Fit fit = Fit::asIs;
  };
  for (const Case &c : {Case{.numeral = "721", .fit = Fit::asIs},
                        Case{.numeral = "9223372036854775807", .fit = Fit::cut}}) {
    ZCtx ctx = smallWidget.context();
    LaidOutTree tree = layReal(
        NumeralReadout({.numeral = c.numeral, .size = 58, .unit = "GB", .unitSize = 13}, ctx),
        smallWidget);
    const LaidOutNode &numeral = textNode(tree, c.numeral), &unit = textNode(tree, "GB");
    EXPECT_EQ(run(unit).paint, Paint{ZavelTokens::screenText3});
    EXPECT_NEAR(unit.frame.minX() - numeral.frame.maxX(), 8 * ctx.u, 1e-9) << c.numeral;
    EXPECT_NEAR(fitted(unit).firstBaseline + unit.frame.minY(),
                fitted(numeral).firstBaseline + numeral.frame.minY(), 1e-6)
        << c.numeral;
    expectFit(numeral, 170, c.fit);
  }
}

} // namespace
} // namespace zavel
