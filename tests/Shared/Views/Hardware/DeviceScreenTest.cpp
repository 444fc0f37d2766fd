#include "Shared/Views/Hardware/DeviceScreen.h"
#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(DeviceScreen, InsetAndCornerRadiusFollowTheSizeClass) {
  const Size widget{364, 170};
  // The radius never falls below the inset.
  for (auto [u, inset, radius] : {std::tuple{0.5, 7.5, 23.5}, {1.2, 18.0, 18.0}}) {
    LaidOutTree tree = lay(DeviceScreen(context(u, ZavelSize::m), EmptyView()), widget);
    Rect pane{{inset, inset}, {widget.width - 2 * inset, widget.height - 2 * inset}};
    const LaidOutNode *clip = tree.root.findAll("Clip").at(0);
    expectRectNear(clip->frame, pane, std::to_string(u));
    EXPECT_EQ(clip->as<ClipEffect>()->path,
              RoundedRectangle(radius, RoundedCornerStyle::continuous).path(pane))
        << u;
  }
}

TEST(DeviceScreen, ContentInTheScreenTextColour) {
  LaidOutTree tree = lay(DeviceScreen(context(0.5), Text("PLAIN")), {170, 170});
  EXPECT_EQ(tree.root.findText("PLAIN")->as<TextRun>()->paint, Paint{ZavelTokens::screenText1});
}

} // namespace
} // namespace zavel
