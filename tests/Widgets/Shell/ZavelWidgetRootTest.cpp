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
  // The widget's option, the theme's "follow the system" and casing, the scheme, cream shown.
  const std::tuple<CasingOption, bool, Casing, ColorScheme, bool> cases[] = {
      // A casing chosen for the widget wins over the theme and the scheme.
      {CasingOption::cream, true, Casing::graphite, ColorScheme::dark, true},
      {CasingOption::graphite, true, Casing::cream, ColorScheme::light, false},
      {CasingOption::followApp, true, Casing::graphite, ColorScheme::light, true},
      {CasingOption::followApp, true, Casing::cream, ColorScheme::dark, false},
      {CasingOption::followApp, false, Casing::cream, ColorScheme::dark, true},
      {CasingOption::followApp, false, Casing::graphite, ColorScheme::light, false},
  };
  for (const auto &[option, followSystem, themeCasing, scheme, cream] : cases) {
    ThemeSettings theme;
    std::tie(theme.casing, theme.followSystemCasing) = std::tuple(themeCasing, followSystem);
    storeTheme(theme);
    for (WidgetRenderingMode mode : {WidgetRenderingMode::fullColor, WidgetRenderingMode::accented,
                                     WidgetRenderingMode::vibrant}) {
      SCOPED_TRACE(std::string(kit::intents::rawValue(option)) + " " +
                   std::string(rawValue(themeCasing)) + " mode " + std::to_string(int(mode)));
      std::optional<ZCtx> seen;
      LaidOutTree tree =
          layWidget(recordingRoot(ZavelSize::s, option, seen), {170, 170}, mode, scheme);
      ASSERT_TRUE(seen && tree.containerBackground);
      // The casing shows only in full colour, kept as one layer; the other modes get the material.
      bool full = mode == WidgetRenderingMode::fullColor;
      EXPECT_EQ(seen->cream, full && cream);
      EXPECT_EQ(tree.containerBackground->findAll("StaticLayer").size(), full ? 1u : 0u);
      if (full) {
        EXPECT_EQ(testing::casingGradientStart(tree),
                  cream ? ZavelTokens::creamA : ZavelTokens::graphiteA);
        continue;
      }
      auto shapes =
          tree.containerBackground->findAll([](const LaidOutNode &n) { return n.as<ShapeDraw>(); });
      ASSERT_EQ(shapes.size(), 1u);
      EXPECT_EQ(shapes[0]->as<ShapeDraw>()->paint,
                Paint(materialColor(Material::ultraThin, scheme)));
    }
  }
}

TEST(ZavelWidgetRoot, DesignUnitFitsTheCanvasToTheShorterSide) {
  const std::tuple<ZavelSize, Size, double> cases[] = {
      {ZavelSize::s, {170, 170}, 170.0 / 300},
      // The height limits a medium widget at its usual size.
      {ZavelSize::m, {364, 170}, 170.0 / 300},
      // A space with no finite fit gives no unit.
      {ZavelSize::s, {INFINITY, INFINITY}, 0},
      {ZavelSize::s, {NAN, 170}, 0},
      {ZavelSize::m, {INFINITY, 150}, 0.5},
  };
  for (const auto &[size, space, u] : cases)
    EXPECT_DOUBLE_EQ(designUnit(size, space), u) << space.width << "x" << space.height;
}

TEST(ZavelWidgetRoot, GivesTheContentItsUnitAndTheThemeReadAtEveryRender) {
  TempHome home;
  std::optional<ZCtx> seen;
  View root = recordingRoot(ZavelSize::l, CasingOption::followApp, seen);
  layWidget(root, {364, 382});
  ASSERT_TRUE(seen);
  EXPECT_EQ(std::tuple(seen->u, seen->inWidget, seen->accent),
            std::tuple(364.0 / 620, true, ZavelTokens::signal));

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
