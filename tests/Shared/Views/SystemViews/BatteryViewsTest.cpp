#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/SystemViews/BatteryMinimalView.h"
#include "Shared/Views/SystemViews/DevicesView.h"
#include "Shared/Views/SystemViews/LightPillView.h"
#include "SystemViewsTesting.h"

#include <optional>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using Devices = std::vector<PowerSnapshot::Device>;

PowerSnapshot power(int64_t percent, bool charging, std::optional<std::string> remaining,
                    Devices devices = {}) {
  return {percent, charging, std::move(remaining), std::move(devices), {}};
}

TEST(DevicesView, TheFirstThreeDevicesWithThoseAtTwentyPercentOrLessInTheAccent) {
  struct Case {
    const char *name = "";
    Devices devices;
    std::vector<std::string> figures;
    std::vector<bool> low;
  };
  const Case cases[] = {
      Case{.name = "21 and 20",
           .devices = {{"MacBook", 21}, {"Mouse", 20}},
           .figures = {"21", "20"},
           .low = {false, true}},
      Case{.name = "three of five",
           .devices = {{"MacBook", 90}, {"Keyboard", 84}, {"Mouse", 12}, {"Pen", 5}, {"Pad", 1}},
           .figures = {"90", "84", "12"},
           .low = {false, false, true}},
      Case{.name = "over 100 and no grouping",
           .devices = {{"Headphones", 12345}},
           .figures = {"12345"},
           .low = {false}},
      Case{.name = "none", .devices = {}, .figures = {}, .low = {}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    ZCtx ctx = mediumWidget.context();
    ctx.accent = gold;
    LaidOutTree tree =
        layReal(DevicesView{power(50, false, {}, c.devices), ctx}.body(), mediumWidget);
    // The list is centred in the screen, its rows starting at the heading's edge.
    const LaidOutNode &heading = textNode(tree, "DEVICES");
    if (c.devices.empty()) {
      EXPECT_NEAR(heading.frame.midX(), 364 / 2.0, 1e-6);
    } else {
      EXPECT_NEAR(heading.frame.minX(), (15 + 26) * ctx.u, 1e-6);
    }
    std::vector<Meter> rows = meters(tree, 1);
    ASSERT_EQ(rows.size(), c.figures.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      Color ink = c.low[i] ? gold : ZavelTokens::screenText1;
      EXPECT_EQ(rows[i].figure, c.figures[i]);
      EXPECT_EQ(std::tuple(rows[i].labelPaint, rows[i].figurePaint),
                std::tuple(Paint{ink}, Paint{ink}));
      EXPECT_TRUE(rows[i].lit(c.low[i] ? gold : ZavelTokens::dataTeal));
      EXPECT_NEAR(rows[i].filled, std::min(1.0, std::stod(c.figures[i]) / 100), 1e-9)
          << c.figures[i];
    }
  }
}

TEST(BatteryMinimalView, ChargingOverridesTheTimeLeftAndTheBarStaysTeal) {
  struct Case {
    PowerSnapshot power;
    std::string state;
  };
  for (const Case &c : {Case{.power = power(80, true, "1H 5M"), .state = "CHARGING"},
                        Case{.power = power(15, false, "2H 40M"), .state = "2H 40M REMAINING"},
                        Case{.power = power(15, false, std::nullopt), .state = "ON BATTERY"}}) {
    ZCtx ctx = smallWidget.context();
    ctx.accent = gold;
    LaidOutTree tree = layReal(BatteryMinimalView{c.power, ctx}.body(), smallWidget);
    EXPECT_EQ(tree.root.texts(),
              (std::vector<std::string>{"BATTERY", std::to_string(c.power.percent), "%", c.state}));
    EXPECT_EQ(tree.root.findAll("Capsule").at(1)->as<ShapeDraw>()->paint,
              Paint{ZavelTokens::dataTeal});
  }
}

TEST(LightPillView, TwoEqualHalvesWhateverTheChargeUnderTheScreensRim) {
  struct Case {
    PowerSnapshot power;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      Case{.power = power(7, false, std::nullopt),
           .texts = {"7%", "MACBOOK — ON BATTERY", "POWER — —"}},
      Case{.power = power(100, true, "45M"),
           .texts = {"100%", "MACBOOK — CHARGING", "POWER — 45M"}},
  };
  for (const Case &c : cases) {
    ZCtx ctx = mediumWidget.context();
    LaidOutTree tree = layReal(LightPillView{c.power, ctx}.body(), mediumWidget);
    EXPECT_EQ(tree.root.texts(), c.texts);
    EXPECT_EQ(run(textNode(tree, c.texts[0])).paint, Paint{ZavelTokens::pillInk});
    // The screen's own glass, then the dark half.
    std::vector<const LaidOutNode *> dark = tree.root.findAll("EllipticalGradient");
    ASSERT_EQ(dark.size(), 2u);
    Rect screen = dark[0]->frame, lit = tree.root.findAll("LinearGradient").at(0)->frame;
    expectRectNear(lit, {screen.origin, {screen.size.width / 2, screen.size.height}}, "lit");
    expectRectNear(dark[1]->frame,
                   {{screen.midX(), screen.minY()}, {screen.size.width / 2, screen.size.height}},
                   "dark");
    // The rim again over both halves: the same blurred stroke as the screen's, drawn after them.
    std::vector<const LaidOutNode *> rims = tree.root.findAll([](const LaidOutNode &node) {
      const ShapeDraw *draw = node.as<ShapeDraw>();
      return draw && draw->stroke && draw->stroke->lineWidth == 10;
    });
    ASSERT_EQ(rims.size(), 2u);
    EXPECT_EQ(*rims[1]->as<ShapeDraw>(), *rims[0]->as<ShapeDraw>());
    EXPECT_NEAR(deviceScreenRadius(ctx), 28 + 3 - 15 * ctx.u, 1e-9);
  }
}

} // namespace
} // namespace zavel
