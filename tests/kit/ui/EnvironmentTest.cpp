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
}

TEST(Environment, ReadersSeeTheHostSettingsAndOverrides) {
  auto probe = EnvironmentReader([](const Environment &env) {
    return Text(env.renderingMode == WidgetRenderingMode::accented ? "accented" : "other");
  });
  auto shown = [](const View &view) {
    return layOut(view, {100, 100}, {fakeTextEngine(), {}, WidgetRenderingMode::accented})
        .root.texts();
  };
  EXPECT_EQ(shown(probe), std::vector<std::string>{"accented"});
  EXPECT_EQ(shown(probe.renderingMode(WidgetRenderingMode::fullColor)),
            std::vector<std::string>{"other"});
}

} // namespace
} // namespace kit::ui
