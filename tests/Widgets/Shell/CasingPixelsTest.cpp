#include "Shared/Theme/DesignTokens.h"
#include "ShellTesting.h"
#include "kit/ui/Render.h"
#include "kit/ui/RenderTesting.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zavel {
namespace {

using namespace kit::ui;
using kit::ui::testing::near;
using kit::ui::testing::over;

constexpr Size widget{170, 170};
constexpr double scale = 2;

// The graphite gradient at the centre of pixel (px, py): along the diagonal from (0.289, 0.047)
// to (0.711, 0.953) of the widget.
Color gradientAt(int px, int py) {
  double x = (px + 0.5) / scale, y = (py + 0.5) / scale;
  double sx = 0.289 * widget.width, sy = 0.047 * widget.height;
  double dx = 0.711 * widget.width - sx, dy = 0.953 * widget.height - sy;
  double t = ((x - sx) * dx + (y - sy) * dy) / (dx * dx + dy * dy);
  return kit::ui::testing::mix(ZavelTokens::graphiteA, ZavelTokens::graphiteB,
                               std::clamp(t, 0.0, 1.0));
}

Image renderRoot(double cornerRadius) {
  View root = ZavelWidgetRoot(ZavelSize::s, CasingOption::graphite, [](const ZCtx &) {
                return EmptyView();
              }).transformEnvironment([cornerRadius](Environment &env) {
    env.widgetCornerRadius = cornerRadius;
  });
  return render(zavel::testing::layWidget(root, widget),
                RenderOptions{.scale = scale,
                              .clipToWidgetOutline = false,
                              .widgetCornerRadius = cornerRadius});
}

TEST(CasingPixels, GradientEdgeLineAndHighlightFollowTheOutlineOfEachRender) {
  zavel::test::TempHome home;
  auto edge = [](int px, int py) { return over(ZavelTokens::graphiteEdge, gradientAt(px, py)); };
  auto lit = [](Color under) { return over(Color::white.opacity(0.16), under); };
  // Ten points along the top edge the lines are straight on a tight corner; on the usual one the
  // outline has curved away from the edge. The usual radius comes back to prove nothing is kept.
  for (double radius : {28.0, 4.0, 28.0}) {
    Image image = renderRoot(radius);
    const struct {
      int px, py;
      Color expected;
    } pixels[] = {
        {170, 170, gradientAt(170, 170)},
        {1, 170, edge(1, 170)},
        {339, 170, edge(339, 170)},
        {2, 170, gradientAt(2, 170)},
        {170, 0, lit(edge(170, 0))},
        {170, 4, gradientAt(170, 4)},
        {20, 0, radius == 4 ? lit(edge(20, 0)) : gradientAt(20, 0)},
    };
    for (const auto &p : pixels)
      EXPECT_TRUE(near(image.pixel(p.px, p.py), p.expected, 0.015))
          << radius << " at " << p.px << "," << p.py;
  }
}

} // namespace
} // namespace zavel
