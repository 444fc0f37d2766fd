#include "Shared/Theme/DesignTokens.h"
#include "ShellTesting.h"
#include "kit/ui/Render.h"
#include "kit/ui/RenderTesting.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using namespace kit::ui;
using kit::ui::testing::near;
using kit::ui::testing::over;

Image renderRoot(double cornerRadius) {
  View root = ZavelWidgetRoot(ZavelSize::s, CasingOption::graphite, [](const ZCtx &) {
                return EmptyView();
              }).transformEnvironment([cornerRadius](Environment &env) {
    env.widgetCornerRadius = cornerRadius;
  });
  return render(
      zavel::testing::layWidget(root, {170, 170}),
      RenderOptions{.scale = 2, .clipToWidgetOutline = false, .widgetCornerRadius = cornerRadius});
}

TEST(CasingPixels, EdgeLineAndHighlightFollowTheOutlineOfEachRender) {
  zavel::test::TempHome home;
  // (px, py) lined with the edge colour (and lit, on the top edge) over the casing at `inside`.
  auto expectEdge = [](const Image &image, int px, int py, int insideX, int insideY, bool lit) {
    Color under = over(ZavelTokens::graphiteEdge, image.pixel(insideX, insideY));
    EXPECT_TRUE(
        near(image.pixel(px, py), lit ? over(Color::white.opacity(0.16), under) : under, 0.015))
        << px << "," << py;
  };
  // The usual radius comes back last to prove nothing of the tight one is kept.
  for (double radius : {28.0, 4.0, 28.0}) {
    SCOPED_TRACE(radius);
    Image image = renderRoot(radius);
    expectEdge(image, 1, 170, 2, 170, false);
    expectEdge(image, 170, 0, 170, 4, true);
    // Ten points along the top edge the lines are straight on a tight corner; on the usual one
    // the outline has curved away from the edge and the casing shows bare.
    if (radius == 4)
      expectEdge(image, 20, 0, 20, 4, true);
    else
      EXPECT_TRUE(near(image.pixel(20, 0), image.pixel(20, 4), 0.015));
  }
}

} // namespace
} // namespace zavel
