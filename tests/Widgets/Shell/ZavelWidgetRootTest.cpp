#include "Shared/Theme/DesignTokens.h"
#include "ShellTesting.h"
#include "Widgets/Shell/DesignUnit.h"
#include "kit/ui/LayoutTesting.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

namespace zavel {
namespace {

using namespace kit::ui;
using Casing = ThemeSettings::Casing;
using testing::layWidget;
using testing::recordingRoot;
using testing::storeTheme;
using zavel::test::TempHome;

constexpr WidgetRenderingMode allModes[] = {
    WidgetRenderingMode::fullColor, WidgetRenderingMode::accented, WidgetRenderingMode::vibrant};

// The first colour of the casing gradient behind the widget, or none when there is no gradient.
std::optional<Color> casingGradientStart(const LaidOutTree &tree) {
  if (!tree.containerBackground)
    return std::nullopt;
  for (const LaidOutNode *node : tree.containerBackground->findAll("LinearGradient"))
    if (const auto *draw = node->as<ShapeDraw>())
      if (const auto *gradient = std::get_if<LinearGradient>(&draw->paint))
        return gradient->gradient.stops.front().color;
  return std::nullopt;
}

// One line of the casing table; an absent condition matches every value.
struct CasingRow {
  CasingOption option;
  std::optional<bool> followSystem;
  std::optional<ColorScheme> scheme;
  std::optional<Casing> themeCasing;
  Casing resolved;
};

template <class T> std::vector<T> valuesOf(std::optional<T> condition, std::vector<T> all) {
  return condition ? std::vector<T>{*condition} : all;
}

TEST(ZavelWidgetRoot, ResolvesTheCasingInEveryModeAndScheme) {
  TempHome home;
  const CasingRow rows[] = {
      {CasingOption::cream, {}, {}, {}, Casing::cream},
      {CasingOption::graphite, {}, {}, {}, Casing::graphite},
      {CasingOption::followApp, true, ColorScheme::light, {}, Casing::cream},
      {CasingOption::followApp, true, ColorScheme::dark, {}, Casing::graphite},
      {CasingOption::followApp, false, {}, Casing::cream, Casing::cream},
      {CasingOption::followApp, false, {}, Casing::graphite, Casing::graphite},
  };
  int checked = 0;
  for (const CasingRow &row : rows)
    for (bool follow : valuesOf(row.followSystem, {false, true}))
      for (Casing themeCasing : valuesOf(row.themeCasing, {Casing::graphite, Casing::cream})) {
        ThemeSettings theme;
        theme.casing = themeCasing;
        theme.followSystemCasing = follow;
        storeTheme(theme);
        for (ColorScheme scheme : valuesOf(row.scheme, {ColorScheme::light, ColorScheme::dark}))
          for (WidgetRenderingMode mode : allModes) {
            std::optional<ZCtx> seen;
            LaidOutTree tree =
                layWidget(recordingRoot(ZavelSize::s, row.option, seen), {170, 170}, mode, scheme);
            ASSERT_TRUE(seen);
            bool full = mode == WidgetRenderingMode::fullColor;
            std::string what =
                std::string(kit::intents::rawValue(row.option)) +
                (follow ? " follow " : " fixed ") + std::string(rawValue(themeCasing)) +
                (scheme == ColorScheme::dark ? " dark " : " light ") + std::to_string(int(mode));
            EXPECT_EQ(seen->cream, full && row.resolved == Casing::cream) << what;
            std::optional<Color> start = casingGradientStart(tree);
            if (full)
              EXPECT_EQ(start, row.resolved == Casing::cream ? ZavelTokens::creamA
                                                             : ZavelTokens::graphiteA)
                  << what;
            else
              EXPECT_FALSE(start) << what;
            ++checked;
          }
      }
  EXPECT_EQ(checked, 72);
}

TEST(ZavelWidgetRoot, BehindTheContentIsTheCasingOrTheMaterial) {
  TempHome home;
  const struct {
    WidgetRenderingMode mode;
    ColorScheme scheme;
  } cases[] = {
      {WidgetRenderingMode::fullColor, ColorScheme::light},
      {WidgetRenderingMode::fullColor, ColorScheme::dark},
      {WidgetRenderingMode::accented, ColorScheme::light},
      {WidgetRenderingMode::accented, ColorScheme::dark},
      {WidgetRenderingMode::vibrant, ColorScheme::light},
      {WidgetRenderingMode::vibrant, ColorScheme::dark},
  };
  for (const auto &c : cases) {
    std::optional<ZCtx> seen;
    LaidOutTree tree = layWidget(recordingRoot(ZavelSize::m, CasingOption::cream, seen), {364, 170},
                                 c.mode, c.scheme);
    ASSERT_TRUE(tree.containerBackground);
    const LaidOutNode &background = *tree.containerBackground;
    std::vector<const LaidOutNode *> layers = background.findAll("StaticLayer");
    std::vector<const LaidOutNode *> shapes =
        background.findAll([](const LaidOutNode &node) { return node.as<ShapeDraw>(); });
    if (c.mode == WidgetRenderingMode::fullColor) {
      // The casing: a gradient and two lines on the widget's outline, kept as one layer.
      ASSERT_EQ(layers.size(), 1u);
      EXPECT_EQ(layers.front()->frame, (Rect{{0, 0}, {364, 170}}));
      ASSERT_EQ(shapes.size(), 3u);
      EXPECT_EQ(shapes[0]->as<ShapeDraw>()->paint,
                Paint(LinearGradient{
                    {ZavelTokens::creamA, ZavelTokens::creamB}, {0.289, 0.047}, {0.711, 0.953}}));
      EXPECT_EQ(shapes[1]->as<ShapeDraw>()->paint, Paint(ZavelTokens::creamEdge));
      EXPECT_EQ(shapes[1]->as<ShapeDraw>()->shape, "ContainerRelativeShape");
      EXPECT_EQ(shapes[2]->as<ShapeDraw>()->shape, "ContainerRelativeShape");
      EXPECT_EQ(shapes[2]->frame, (Rect{{1, 1}, {362, 168}}));
      EXPECT_EQ(
          shapes[2]->as<ShapeDraw>()->paint,
          Paint(LinearGradient{{{Color::white.opacity(0.7), 0}, {Color::white.opacity(0), 0.22}},
                               UnitPoint::top,
                               UnitPoint::bottom}));
      for (const LaidOutNode *line : {shapes[1], shapes[2]})
        EXPECT_EQ(line->as<ShapeDraw>()->stroke, StrokeStyle{.lineWidth = 2});
      continue;
    }
    EXPECT_TRUE(layers.empty());
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0]->kind, "Rectangle");
    EXPECT_EQ(shapes[0]->frame, (Rect{{0, 0}, {364, 170}}));
    EXPECT_EQ(shapes[0]->as<ShapeDraw>()->paint,
              Paint(materialColor(Material::ultraThin, c.scheme)));
    EXPECT_FALSE(shapes[0]->as<ShapeDraw>()->stroke);
  }
}

TEST(ZavelWidgetRoot, DesignUnitFitsTheCanvasToTheShorterSide) {
  TempHome home;
  const struct {
    ZavelSize size;
    Size space;
    double u;
  } cases[] = {
      {ZavelSize::s, {170, 170}, 170.0 / 300},
      // The height limits a medium widget at its usual size.
      {ZavelSize::m, {364, 170}, 170.0 / 300},
      {ZavelSize::l, {364, 382}, 364.0 / 620},
      {ZavelSize::s, {300, 600}, 1},
      {ZavelSize::m, {620, 1000}, 1},
      {ZavelSize::l, {1240, 620}, 1},
      {ZavelSize::s, {0, 170}, 0},
      {ZavelSize::m, {364, 0}, 0},
      {ZavelSize::l, {0, 0}, 0},
  };
  for (const auto &c : cases) {
    std::optional<ZCtx> seen;
    LaidOutTree tree = layWidget(recordingRoot(c.size, CasingOption::followApp, seen), c.space);
    ASSERT_TRUE(seen);
    EXPECT_DOUBLE_EQ(seen->u, c.u) << c.space.width << "x" << c.space.height;
    EXPECT_EQ(seen->size, c.size);
    EXPECT_EQ(seen->frameRadius, 28);
    EXPECT_TRUE(seen->inWidget);
    EXPECT_EQ(tree.size, c.space);
  }
}

TEST(ZavelWidgetRoot, ASpaceWithNoFiniteFitGivesNoUnit) {
  for (Size space : {Size{INFINITY, INFINITY}, Size{NAN, 170}, Size{NAN, NAN}, Size{-170, 170}})
    EXPECT_EQ(designUnit(ZavelSize::s, space), 0) << space.width << "x" << space.height;
  EXPECT_DOUBLE_EQ(designUnit(ZavelSize::m, {INFINITY, 150}), 0.5);
}

TEST(ZavelWidgetRoot, ContentFillsTheWidgetAndIsCentredInIt) {
  TempHome home;
  auto root = [](ZavelSize size, Size content) {
    return ZavelWidgetRoot(size, CasingOption::followApp, [content](const ZCtx &) {
      return Rectangle().fill(Color::black).frame(content.width, content.height);
    });
  };
  LaidOutTree wide = layWidget(root(ZavelSize::s, {100, 60}), {364, 170});
  std::vector<const LaidOutNode *> shapes = wide.root.findAll("Rectangle");
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes.front()->frame, (Rect{{132, 55}, {100, 60}}));

  // The content's frame is the whole widget, whatever the canvas's aspect.
  LaidOutTree full = layWidget(root(ZavelSize::l, {0, 0}), {364, 170});
  std::vector<const LaidOutNode *> frames = full.root.findAll("Frame");
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames.front()->frame, (Rect{{0, 0}, {364, 170}}));
}

TEST(ZavelWidgetRoot, ReadsTheThemeAtEveryRender) {
  TempHome home;
  std::optional<ZCtx> seen;
  View root = recordingRoot(ZavelSize::s, CasingOption::followApp, seen);

  layWidget(root, {170, 170});
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->theme, ThemeSettings{});
  EXPECT_EQ(seen->accent, ZavelTokens::signal);
  EXPECT_FALSE(seen->cream);

  ThemeSettings theme;
  theme.accent = ThemeSettings::Accent::custom("#1CAEC2");
  theme.casing = Casing::cream;
  theme.numerals = ThemeSettings::NumeralStyle::dot;
  storeTheme(theme);
  layWidget(root, {170, 170});
  EXPECT_EQ(seen->theme, theme);
  EXPECT_EQ(seen->accent, Color::rgb8(0x1C, 0xAE, 0xC2));
  EXPECT_TRUE(seen->cream);

  // Following the system, the same root switches with the colour scheme.
  theme.followSystemCasing = true;
  storeTheme(theme);
  layWidget(root, {170, 170}, WidgetRenderingMode::fullColor, ColorScheme::dark);
  EXPECT_FALSE(seen->cream);
  layWidget(root, {170, 170}, WidgetRenderingMode::fullColor, ColorScheme::light);
  EXPECT_TRUE(seen->cream);
}

TEST(ZavelWidgetRoot, AMissingContentClosureDrawsAnEmptyWidget) {
  TempHome home;
  LaidOutTree tree = layWidget(ZavelWidgetRoot(ZavelSize::s, CasingOption::cream, {}), {170, 170});
  EXPECT_TRUE(tree.root.findAll([](const LaidOutNode &n) { return n.as<ShapeDraw>(); }).empty());
  EXPECT_TRUE(tree.containerBackground);
}

} // namespace
} // namespace zavel
