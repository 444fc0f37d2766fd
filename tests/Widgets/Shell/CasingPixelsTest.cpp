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
using kit::ui::testing::mix;
using kit::ui::testing::near;
using kit::ui::testing::over;
using zavel::test::TempHome;
using zavel::testing::layWidget;

constexpr Size widget{170, 170};
constexpr double scale = 2;

struct CasingLook {
  CasingOption option;
  Color start;
  Color end;
  Color edge;
  double highlight;
};

const CasingLook looks[] = {
    {CasingOption::graphite, ZavelTokens::graphiteA, ZavelTokens::graphiteB,
     ZavelTokens::graphiteEdge, 0.16},
    {CasingOption::cream, ZavelTokens::creamA, ZavelTokens::creamB, ZavelTokens::creamEdge, 0.7},
};

// The casing gradient at the centre of pixel (px, py): along the diagonal from (0.289, 0.047) to
// (0.711, 0.953) of the widget.
Color gradientAt(const CasingLook &look, int px, int py) {
  double x = (px + 0.5) / scale, y = (py + 0.5) / scale;
  double sx = 0.289 * widget.width, sy = 0.047 * widget.height;
  double dx = 0.711 * widget.width - sx, dy = 0.953 * widget.height - sy;
  double t = ((x - sx) * dx + (y - sy) * dy) / (dx * dx + dy * dy);
  return mix(look.start, look.end, std::clamp(t, 0.0, 1.0));
}

// The highlight's white at pixel row py: full at the top of its frame (a point in), gone 22 % of
// the way down.
Color highlightAt(const CasingLook &look, int py) {
  double t = ((py + 0.5) / scale - 1) / (widget.height - 2);
  double fade = std::clamp(1 - t / 0.22, 0.0, 1.0);
  return Color::white.opacity(look.highlight * fade);
}

Image renderRoot(CasingOption casing, double cornerRadius = 28) {
  View root = ZavelWidgetRoot(ZavelSize::s, casing, [](const ZCtx &) {
                return EmptyView();
              }).transformEnvironment([cornerRadius](Environment &env) {
    env.widgetCornerRadius = cornerRadius;
  });
  return render(layWidget(root, widget), RenderOptions{.scale = scale,
                                                       .clipToWidgetOutline = false,
                                                       .widgetCornerRadius = cornerRadius});
}

TEST(CasingPixels, GradientEdgeAndHighlight) {
  TempHome home;
  for (const CasingLook &look : looks) {
    auto casing = [&](int px, int py) { return gradientAt(look, px, py); };
    auto edge = [&](int px, int py) { return over(look.edge, casing(px, py)); };
    auto lit = [&](int py, Color under) { return over(highlightAt(look, py), under); };
    const Image usual = renderRoot(look.option), tight = renderRoot(look.option, 4);
    const struct {
      const Image *image;
      int px, py;
      Color expected;
    } pixels[] = {
        // The diagonal gradient inside the lines.
        {&usual, 170, 170, casing(170, 170)},
        {&usual, 20, 300, casing(20, 300)},
        // The edge line covers the outermost point of every side, and nothing further in.
        {&usual, 0, 170, edge(0, 170)},
        {&usual, 1, 170, edge(1, 170)},
        {&usual, 339, 170, edge(339, 170)},
        {&usual, 170, 339, edge(170, 339)},
        {&usual, 2, 170, casing(2, 170)},
        // The highlight: two points wide from the top edge, over the edge line on the outer point.
        {&usual, 170, 0, lit(0, edge(170, 0))},
        {&usual, 170, 3, lit(3, casing(170, 3))},
        {&usual, 170, 4, casing(170, 4)},
        // Down the sides it fades, and is gone past 22 % of the height: seen where the sides are
        // already straight near the top, on a widget with tight corners.
        {&tight, 2, 20, lit(20, casing(2, 20))},
        {&tight, 337, 80, lit(80, casing(337, 80))},
        {&usual, 2, 200, casing(2, 200)},
    };
    for (const auto &p : pixels)
      EXPECT_TRUE(near(p.image->pixel(p.px, p.py), p.expected, 0.015))
          << kit::intents::rawValue(look.option) << " at " << p.px << "," << p.py;
  }
}

TEST(CasingPixels, TheLinesFollowTheWidgetOutlineOfEachRender) {
  TempHome home;
  const CasingLook &graphite = looks[0];
  // Ten points along the top edge: on a tight corner the lines are already straight there; on the
  // usual one the outline has curved well away from the edge.
  Color onEdge = over(highlightAt(graphite, 0), over(graphite.edge, gradientAt(graphite, 20, 0)));
  Color bare = gradientAt(graphite, 20, 0);
  for (double radius : {28.0, 4.0, 28.0, 4.0}) {
    Image image = renderRoot(CasingOption::graphite, radius);
    EXPECT_TRUE(near(image.pixel(20, 0), radius == 4 ? onEdge : bare, 0.015)) << radius;
  }
}

} // namespace
} // namespace zavel
