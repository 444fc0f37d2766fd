#include "Shared/Views/Deck.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/ViewTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::ui::testing::framesOf;

TEST(ScreenRadius, ConcentricWithTheWidgetButNeverTighterThanTheSizesInset) {
  const struct {
    const char *name;
    ZavelSize size;
    double u, margin, radius;
  } cases[] = {
      {.name = "small", .size = ZavelSize::s, .u = 0.5, .margin = 14, .radius = 28 - 7},
      {.name = "medium adds three", .size = ZavelSize::m, .u = 0.5, .margin = 15, .radius = 23.5},
      {.name = "large", .size = ZavelSize::l, .u = 0.5, .margin = 16, .radius = 20},
      {.name = "inset wins", .size = ZavelSize::l, .u = 2, .margin = 16, .radius = 32},
  };
  for (const auto &c : cases)
    EXPECT_DOUBLE_EQ(screenRadius(context(c.u, c.size), c.margin * c.u), c.radius) << c.name;
}

TEST(Deck, ScreenAndRailInsideThePaddingWithThePaddedContentAtTheScreensCorner) {
  ZCtx ctx = context(0.5, ZavelSize::m);
  IntentReference key{"KeyIntent"};
  LaidOutTree tree = lay(Deck(ctx, mediumDeck, Rectangle().frame(10, 10),
                              MediumDeckKey(key, Color::black, EmptyView(), "blank", ctx),
                              MediumDeckAccentKey(key, EmptyView(), "blank", ctx)),
                         {310, 150});
  // 7.5 in from the edges; the rail 42 wide beside the screen, 6.5 from it.
  expectRectNear(tree.root.findAll("EllipticalGradient").front()->frame,
                 rect(7.5, 7.5, 310 - 15 - 42 - 6.5, 135), "screen");
  expectRectNear(framesOf(tree, "Rectangle").front(), rect(7.5 + 11, 7.5 + 10, 10, 10), "content");
  auto buttons = tree.root.findAll("Button");
  ASSERT_EQ(buttons.size(), 2u);
  EXPECT_NEAR(buttons[0]->frame.size.width, 21, 1e-9);
  EXPECT_NEAR(buttons[1]->frame.size.width, 26, 1e-9);
  EXPECT_EQ(buttons[0]->as<ButtonTarget>()->intent, key);
}

} // namespace
} // namespace zavel
