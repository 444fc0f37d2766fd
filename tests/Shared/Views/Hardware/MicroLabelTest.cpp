#include "Shared/Views/Hardware/MicroLabel.h"
#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(MicroLabel, UpperCasedOnOneLineTrackedByTheRaisedSize) {
  struct Case {
    const char *given, *shown;
    double size, em, u;
    FontWeight weight;
    double tracking;
  };
  // 9 points is raised halfway toward 18: 13.5.
  for (const Case &c : {Case{"straße", "STRASSE", 24, 0.1, 1, FontWeight::regular, 2.4},
                        Case{"a", "A", 9, 0.18, 0.5, FontWeight::bold, 13.5 * 0.18 * 0.5}}) {
    ZCtx ctx = context(c.u);
    LaidOutTree tree =
        lay(MicroLabel(c.given, c.size, c.em, ZavelTokens::screenText2, c.weight, ctx), {300, 40});
    const TextRun &run = *tree.root.findAll("Text").at(0)->as<TextRun>();
    EXPECT_EQ(run.text, c.shown);
    EXPECT_NEAR(run.style.tracking, c.tracking, 1e-12) << c.size;
    EXPECT_EQ(run.style.font, ctx.mono(c.size, c.weight)) << c.size;
    EXPECT_EQ(run.style.lineLimit, 1) << c.size;
  }
}

} // namespace
} // namespace zavel
