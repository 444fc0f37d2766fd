#include "Shared/Theme/DesignTokens.h"
#include "ShellTesting.h"
#include "Widgets/Shell/DesignUnit.h"
#include "Widgets/Shell/ZavelEntry.h"
#include "kit/foundation/Iso8601.h"
#include "kit/widgets/Timeline.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace zavel {
namespace {

using namespace kit::ui;
using Casing = ThemeSettings::Casing;
using testing::layWidget;
using testing::recordingRoot;
using testing::storeTheme;
using zavel::test::TempHome;

TEST(ZavelWidgetRoot, ResolvesTheCasingInEveryModeAndScheme) {
  TempHome home;
  struct Case {
    const char *name = "";
    CasingOption option = CasingOption::followApp;
    bool followSystem = false;
    Casing themeCasing = Casing::cream;
    ColorScheme scheme = ColorScheme::light;
    bool cream = false;
  };
  const Case cases[] = {
      // A casing chosen for the widget wins over the theme and the scheme.
      Case{.name = "widget's cream over a dark system",
           .option = CasingOption::cream,
           .followSystem = true,
           .themeCasing = Casing::graphite,
           .scheme = ColorScheme::dark,
           .cream = true},
      Case{.name = "widget's graphite over a light system",
           .option = CasingOption::graphite,
           .followSystem = true,
           .themeCasing = Casing::cream,
           .scheme = ColorScheme::light,
           .cream = false},
      Case{.name = "following a light system",
           .option = CasingOption::followApp,
           .followSystem = true,
           .themeCasing = Casing::graphite,
           .scheme = ColorScheme::light,
           .cream = true},
      Case{.name = "following a dark system",
           .option = CasingOption::followApp,
           .followSystem = true,
           .themeCasing = Casing::cream,
           .scheme = ColorScheme::dark,
           .cream = false},
      Case{.name = "the theme's cream in a dark scheme",
           .option = CasingOption::followApp,
           .followSystem = false,
           .themeCasing = Casing::cream,
           .scheme = ColorScheme::dark,
           .cream = true},
      Case{.name = "the theme's graphite in a light scheme",
           .option = CasingOption::followApp,
           .followSystem = false,
           .themeCasing = Casing::graphite,
           .scheme = ColorScheme::light,
           .cream = false},
  };
  for (const Case &c : cases) {
    ThemeSettings theme;
    theme.casing = c.themeCasing;
    theme.followSystemCasing = c.followSystem;
    storeTheme(theme);
    for (WidgetRenderingMode mode : {WidgetRenderingMode::fullColor, WidgetRenderingMode::accented,
                                     WidgetRenderingMode::vibrant}) {
      SCOPED_TRACE(std::string(c.name) + ", mode " + std::to_string(int(mode)));
      std::optional<ZCtx> seen;
      LaidOutTree tree =
          layWidget(recordingRoot(ZavelSize::s, c.option, seen), {170, 170}, mode, c.scheme);
      ASSERT_TRUE(seen && tree.containerBackground);
      // The casing shows only in full colour, kept as one layer; the other modes get the material.
      bool full = mode == WidgetRenderingMode::fullColor;
      EXPECT_EQ(seen->cream, full && c.cream);
      EXPECT_EQ(tree.containerBackground->findAll("StaticLayer").size(), full ? 1u : 0u);
      if (full) {
        EXPECT_EQ(testing::casingGradientStart(tree),
                  c.cream ? ZavelTokens::creamA : ZavelTokens::graphiteA);
        continue;
      }
      auto shapes =
          tree.containerBackground->findAll([](const LaidOutNode &n) { return n.as<ShapeDraw>(); });
      ASSERT_EQ(shapes.size(), 1u);
      EXPECT_EQ(shapes[0]->as<ShapeDraw>()->paint,
                Paint(materialColor(Material::ultraThin, c.scheme)));
    }
  }
}

TEST(ZavelWidgetRoot, DesignUnitFitsTheCanvasToTheShorterSide) {
  struct Case {
    ZavelSize size = ZavelSize::s;
    Size space;
    double u = 0;
  };
  const Case cases[] = {
      Case{.size = ZavelSize::s, .space = {170, 170}, .u = 170.0 / 300},
      // The height limits a medium widget at its usual size.
      Case{.size = ZavelSize::m, .space = {364, 170}, .u = 170.0 / 300},
      // A space with no finite fit gives no unit.
      Case{.size = ZavelSize::s, .space = {INFINITY, INFINITY}, .u = 0},
      Case{.size = ZavelSize::s, .space = {NAN, 170}, .u = 0},
      Case{.size = ZavelSize::m, .space = {INFINITY, 150}, .u = 0.5},
  };
  for (const Case &c : cases)
    EXPECT_DOUBLE_EQ(designUnit(c.size, c.space), c.u) << c.space.width << "x" << c.space.height;
}

TEST(ZavelWidgetRoot, GivesTheContentItsUnitAndTheThemeReadAtEveryRender) {
  TempHome home;
  std::optional<ZCtx> seen;
  View root = recordingRoot(ZavelSize::l, CasingOption::followApp, seen);
  layWidget(root, {364, 382});
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->u, 364.0 / 620);
  EXPECT_TRUE(seen->inWidget);
  EXPECT_EQ(seen->accent, ZavelTokens::signal);

  ThemeSettings theme;
  theme.accent = ThemeSettings::Accent::custom("#1CAEC2");
  storeTheme(theme);
  layWidget(root, {364, 382});
  EXPECT_EQ(seen->theme, theme);
  EXPECT_EQ(seen->accent, Color::rgb8(0x1C, 0xAE, 0xC2));
}

TEST(ZavelWidgetRoot, AMissingContentClosureDrawsAnEmptyWidget) {
  TempHome home;
  LaidOutTree tree = layWidget(ZavelWidgetRoot(ZavelSize::s, CasingOption::cream, {}), {170, 170});
  EXPECT_TRUE(tree.root.findAll([](const LaidOutNode &n) { return n.as<ShapeDraw>(); }).empty());
  EXPECT_TRUE(tree.containerBackground);
}

static_assert(kit::widgets::TimelineEntry<ZavelEntry<std::string>>);

TEST(ZavelEntry, PrintsDateCasingAndData) {
  ZavelEntry<std::string> entry{*kit::foundation::dateFromIso8601("2024-03-31T01:30:00.750Z"),
                                "Oslo"};
  EXPECT_EQ(kit::foundation::encodeJson(entry),
            kit::foundation::Json::parse(
                R"({"date": "2024-03-31T01:30:00Z", "casing": "followApp", "data": "Oslo"})"));
}

} // namespace
} // namespace zavel
