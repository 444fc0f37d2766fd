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

} // namespace
} // namespace zavel
