#include "LayoutTesting.h"
#include "kit/ui/UI.h"

#include <gtest/gtest.h>

namespace kit::ui {
namespace {

using testing::fakeTextEngine;
using testing::lay;

const Paint &paintOf(const LaidOutTree &tree, std::string_view text) {
  return tree.root.findText(text)->as<TextRun>()->paint;
}

// Without a foreground, text takes the primary colour of the scheme.
TEST(Environment, ForegroundFlowsToChildrenAndAnExplicitOneWins) {
  Color screen = Color::rgb8(0xE8, 0xE8, 0xE6), accent = Color::rgb8(0xF2, 0x5C, 0x05);
  LaidOutTree tree = lay(ZStack({
                                    Text("plain"),
                                    Text("own").foreground(accent),
                                    Circle(),
                                })
                             .foreground(screen));
  EXPECT_EQ(paintOf(tree, "plain"), Paint{screen});
  EXPECT_EQ(paintOf(tree, "own"), Paint{accent});
  EXPECT_EQ(tree.root.findAll("Circle").front()->as<ShapeDraw>()->paint, Paint{screen});
  EXPECT_EQ(paintOf(lay(Text("t")), "t"), Paint{Color::black});
  EXPECT_EQ(paintOf(lay(Text("t").colorScheme(ColorScheme::dark)), "t"), Paint{Color::white});
  LaidOutTree dark =
      layOut(Text("t"), {100, 100},
             LayoutContext{fakeTextEngine(), {}, WidgetRenderingMode::vibrant, ColorScheme::dark});
  EXPECT_EQ(paintOf(dark, "t"), Paint{Color::white});
  EXPECT_EQ(dark.renderingMode, WidgetRenderingMode::vibrant);
  EXPECT_EQ(dark.colorScheme, ColorScheme::dark);
}

TEST(Environment, ReadersSeeTheHostSettingsAndOverrides) {
  auto probe = EnvironmentReader([](const Environment &env) {
    return Text(env.renderingMode == WidgetRenderingMode::accented ? "accented" : "other");
  });
  LaidOutTree host =
      layOut(probe, {100, 100}, LayoutContext{fakeTextEngine(), {}, WidgetRenderingMode::accented});
  EXPECT_EQ(host.root.texts(), std::vector<std::string>{"accented"});
  LaidOutTree overridden =
      layOut(probe.renderingMode(WidgetRenderingMode::fullColor), {100, 100},
             LayoutContext{fakeTextEngine(), {}, WidgetRenderingMode::accented});
  EXPECT_EQ(overridden.root.texts(), std::vector<std::string>{"other"});
}

TEST(Environment, ContainerBackgroundFillsTheWidgetBeneathTheContent) {
  LaidOutTree tree =
      lay(Text("x").padding(30).containerBackground(ZStack(
              {View(Material::ultraThin), ContainerRelativeShape().stroke(Color::white, 2)})),
          {170, 170});
  ASSERT_TRUE(tree.containerBackground);
  EXPECT_EQ(tree.containerBackground->frame, (Rect{{0, 0}, {170, 170}}));
  EXPECT_EQ(tree.containerBackground->findAll("Material").size(), 1u);
  const LaidOutNode *outline = tree.containerBackground->findAll("ContainerRelativeShape").front();
  EXPECT_EQ(outline->as<ShapeDraw>()->path.boundingRect(), (Rect{{0, 0}, {170, 170}}));
  EXPECT_TRUE(tree.root.findAll("Material").empty());
}

TEST(Environment, ContainerRelativeShapeStaysConcentricWithTheWidgetOutline) {
  LaidOutTree tree = lay(ContainerRelativeShape().fill(Color::black).padding(10), {170, 170});
  const Path &path = tree.root.findAll("ContainerRelativeShape").front()->as<ShapeDraw>()->path;
  Path expected;
  expected.addRoundedRect({{10, 10}, {150, 150}}, 18, RoundedCornerStyle::continuous);
  EXPECT_EQ(path, expected);
}

} // namespace
} // namespace kit::ui
