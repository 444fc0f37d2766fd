#include "Shared/Views/Hardware/MediumDeck.h"

#include "Shared/Views/ViewTesting.h"
#include "kit/ui/Shape.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(MediumDeck, ScreenBesideTheRailWithCornersConcentricUnlessTooTight) {
  struct Case {
    std::string name;
    double u = 1;
    double radius = 0;
  };
  // The widget's corners (28 + 3 points) less the deck's padding, but never under its inset.
  const Case cases[] = {
      {.name = "concentric", .u = mediumWidget.u(), .radius = 31 - 15 * mediumWidget.u()},
      {.name = "held to the inset", .u = 1.5, .radius = 15 * 1.5},
  };
  for (const Case &c : cases) {
    double u = c.u;
    Size widget{620 * u, 300 * u};
    LaidOutTree tree =
        lay(MediumDeck(context(u, ZavelSize::m), Text("SCREEN"),
                       Group({Rectangle().frame(10, 10), Rectangle().frame(10, 10)}), Text("KEY")),
            widget);
    Rect screen =
        rect(15 * u, 15 * u, widget.width - (15 + 13 + 84 + 15) * u, widget.height - 30 * u);
    const LaidOutNode *clip = tree.root.findAll("Clip").at(0);
    expectRectNear(clip->frame, screen, c.name, 1e-9);
    std::vector<Path::Element> drawn = clip->as<ClipEffect>()->path.elements();
    std::vector<Path::Element> expected =
        RoundedRectangle(c.radius, RoundedCornerStyle::continuous).path(screen).elements();
    ASSERT_EQ(drawn.size(), expected.size()) << c.name;
    for (std::size_t i = 0; i < drawn.size(); ++i)
      for (std::size_t p = 0; p < 3; ++p)
        expectPointNear(drawn[i].points[p], expected[i].points[p], c.name, 1e-9);
    expectPointNear(tree.root.findText("SCREEN")->frame.origin,
                    {screen.minX() + 22 * u, screen.minY() + 20 * u}, c.name, 1e-9);
    // The rail fills the rest, its bottom slot above its padding.
    EXPECT_GT(tree.root.findText("KEY")->frame.minX(), screen.maxX() + 13 * u) << c.name;
    EXPECT_LT(tree.root.findText("KEY")->frame.maxX(), widget.width - 15 * u) << c.name;
  }
}

} // namespace
} // namespace zavel
