#include "Shared/Views/Hardware/DeviceScreen.h"
#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(DeviceScreen, InsetAndCornerRadiusFollowTheSizeClass) {
  struct Case {
    ZavelSize size;
    double u;
    Size widget;
    double inset, radius;
  };
  for (const Case &c : {Case{ZavelSize::m, 0.5, {364, 170}, 7.5, 23.5},
                        // The radius never falls below the inset.
                        Case{ZavelSize::l, 1.2, {364, 382}, 19.2, 19.2}}) {
    LaidOutTree tree = lay(DeviceScreen(context(c.u, c.size), EmptyView()), c.widget);
    Rect pane{{c.inset, c.inset}, {c.widget.width - 2 * c.inset, c.widget.height - 2 * c.inset}};
    std::string what = std::to_string(c.u) + " " + std::to_string(c.widget.width);
    const LaidOutNode *clip = nodes(tree, "Clip").at(0);
    expectRectNear(clip->frame, pane, what);
    EXPECT_EQ(clip->as<ClipEffect>()->path,
              RoundedRectangle(c.radius, RoundedCornerStyle::continuous).path(pane))
        << what;
  }
}

TEST(DeviceScreen, RimAndHairlineKeepTheirPointWidthsAtEveryUnit) {
  for (double u : {0.5, 2.0}) {
    LaidOutTree tree = lay(DeviceScreen(context(u, ZavelSize::l), EmptyView()), {364, 382});
    std::vector<ShapeDraw> outlines = shapes(tree, "RoundedRectangle");
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0].stroke, (StrokeStyle{.lineWidth = 10})) << u;
    EXPECT_EQ(outlines[1].stroke, (StrokeStyle{.lineWidth = 1})) << u;
    EXPECT_EQ(nodes(tree, "Blur").at(0)->as<BlurEffect>()->radius, 5) << u;
  }
}

TEST(DeviceScreen, ContentInTheScreenTextColourUnlessItHasItsOwn) {
  const Color own = Color::rgb8(200, 10, 10);
  LaidOutTree tree = lay(
      DeviceScreen(context(0.5), VStack({Text("PLAIN"), Text("OWN").foreground(own)})), {170, 170});
  EXPECT_EQ(tree.root.findText("PLAIN")->as<TextRun>()->paint, Paint{ZavelTokens::screenText1});
  EXPECT_EQ(tree.root.findText("OWN")->as<TextRun>()->paint, Paint{own});
}

} // namespace
} // namespace zavel
