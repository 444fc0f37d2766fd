#include "Shared/Theme/DesignTokens.h"
#include "ShellTesting.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using namespace kit::ui;

// A root holding a text with no colour of its own and one in the casing's ink, as the faces drawn
// straight on the casing do.
View inkedRoot(CasingOption casing) {
  return ZavelWidgetRoot(ZavelSize::s, casing, [](const ZCtx &ctx) {
    return VStack({Text("PLAIN"), Text("INKED").foreground(ctx.casingInk())});
  });
}

TEST(ZavelWidgetRoot, TextsOnTheCasingReadInEitherCasingWhateverTheHostsScheme) {
  zavel::test::TempHome home;
  struct Case {
    const char *name;
    CasingOption casing = CasingOption::graphite;
    WidgetRenderingMode mode = WidgetRenderingMode::fullColor;
    Color plain, inked;
  };
  for (const Case &c : {
           Case{.name = "graphite",
          .casing = CasingOption::graphite,
          .plain = Color::white,
          .inked = ZavelTokens::screenText1},
           Case{.name = "cream",
           .casing = CasingOption::cream,
           .plain = Color::black,
           .inked = ZavelTokens::keyInk},
           // Without the casing behind it the text sits on the dark material.
           Case{.name = "cream accented",
           .casing = CasingOption::cream,
           .mode = WidgetRenderingMode::accented,
           .plain = Color::white,
           .inked = ZavelTokens::screenText1},
       }) {
    for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
      SCOPED_TRACE(std::string(c.name) + (scheme == ColorScheme::light ? " light" : " dark"));
      LaidOutTree tree = testing::layWidget(inkedRoot(c.casing), {170, 170}, c.mode, scheme);
      EXPECT_EQ(tree.root.findText("PLAIN")->as<TextRun>()->paint, Paint{c.plain});
      EXPECT_EQ(tree.root.findText("INKED")->as<TextRun>()->paint, Paint{c.inked});
      // The host's scheme still chooses the material behind an accented widget.
      if (c.mode != WidgetRenderingMode::fullColor) {
        EXPECT_EQ(tree.colorScheme, scheme);
      }
    }
  }
}

} // namespace
} // namespace zavel
