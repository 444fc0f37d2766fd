#include "Shared/Views/HealthViews/BatteryRingView.h"
#include "HealthViewsTesting.h"
#include "Shared/Theme/DesignTokens.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(BatteryRingView, ChargeAsARingInTheAccentUnderTheFirstBatterysName) {
  const double u = smallWidget.u();
  ZCtx ctx = smallWidget.context();
  ctx.accent = ZavelTokens::gold;
  using Devices = std::vector<PowerSnapshot::Device>;
  struct Case {
    const char *name;
    int64_t percent = 0;
    bool charging = false;
    Devices devices = {};
    double progress = 0;
    const char *label, *charge;
  };
  for (const Case &c : {
           Case{.name = "the sample",
          .percent = 68,
          .devices = PowerSnapshot::sample().devices,
          .progress = 0.68,
          .label = "MACBOOK",
          .charge = "68%"},
           Case{.name = "empty",
           .percent = 0,
           .devices = {{"MacBook", 0}, {"Keyboard", 90}},
           .label = "MACBOOK",
           .charge = "0%"},
           Case{.name = "full and charging",
           .percent = 100,
           .charging = true,
           .devices = {{"MacBook", 100}},
           .progress = 1,
           .label = "MACBOOK",
           .charge = "100%"},
           Case{.name = "no internal battery",
           .percent = 100,
           .charging = true,
           .devices = {{"Keyboard", 40}, {"Mouse", 12}},
           .progress = 1,
           .label = "KEYBOARD",
           .charge = "100%"},
           Case{.name = "no battery at all",
           .percent = 100,
           .charging = true,
           .progress = 1,
           .label = "MACBOOK",
           .charge = "100%"},
       }) {
    SCOPED_TRACE(c.name);
    PowerSnapshot power{c.percent, c.charging, "1H 5M", c.devices, {}};
    LaidOutTree tree = layReal(BatteryRingView{power, ctx}.body(), smallWidget);
    // Neither the charging state nor the time left shows.
    EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{c.label, c.charge}));
    EXPECT_NEAR(ringProgress(tree), c.progress, 1e-3);
    EXPECT_EQ(shapePaints(tree, "Circle").back(),
              Paint{c.progress > 0 ? ZavelTokens::gold : ZavelTokens::trackFine});
    expectRectNear(tree.root.findAll("Circle")[0]->frame,
                   rect(85 - 95 * u, 85 - 95 * u, 190 * u, 190 * u), c.name);
  }
}

// The ring's inner edge is 95 - 8 / 2 = 91 units from the centre of the 170-point widget. The
// label's capitals stand from 0.327 em to 1.025 em below its line's top (IBM Plex Mono), at the
// raised size of 13 units, where each letter with its tracking takes 0.78 + 0.18 × 13 = 10.14
// units: 18 letters take 183, 31 take 314.
TEST(BatteryRingView, TheDeviceLabelStaysInsideTheRingShrinkingThenCut) {
  const double u = smallWidget.u();
  ZCtx ctx = smallWidget.context();
  const struct {
    const char *name;
    double scale; // 1 when it fits, at most 0.7 below it
    bool cut;
  } cases[] = {
      {"Keyboard", 1, false},
      {"Magic Keyboard Pro", 0.9, false},
      {"Click Keyboard mit Ziffernblock", 0.7, true},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    PowerSnapshot power{100, false, "", {{c.name, 64}}, {}};
    LaidOutTree tree = layReal(BatteryRingView{power, ctx}.body(), smallWidget);
    const LaidOutNode *label = tree.root.findText(kit::foundation::uppercased(c.name));
    ASSERT_NE(label, nullptr);
    const TextRun &run = *label->as<TextRun>();
    EXPECT_EQ(run.truncated, c.cut);
    EXPECT_EQ(run.lineCount, 1);
    EXPECT_NEAR(run.scale, c.scale, 0.05);
    double em = 13 * u * run.scale, tracking = 13 * 0.18 * u * run.scale;
    double top = label->frame.minY() + 0.327 * em, bottom = label->frame.minY() + 1.025 * em;
    for (double x : {label->frame.minX(), label->frame.maxX() - tracking})
      for (double y : {top, bottom})
        EXPECT_LT(std::hypot(x - 85, y - 85), 91 * u) << x << "," << y;
  }
}

} // namespace
} // namespace zavel
