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
    Image image = renderRoot(look.option);
    auto expectPixelOf = [&](const Image &picture, int px, int py, Color expected) {
      EXPECT_TRUE(near(picture.pixel(px, py), expected, 0.015))
          << kit::intents::rawValue(look.option) << " at " << px << "," << py;
    };
    auto expectPixel = [&](int px, int py, Color expected) {
      expectPixelOf(image, px, py, expected);
    };
    auto casing = [&](int px, int py) { return gradientAt(look, px, py); };

    // The diagonal gradient inside the lines.
    for (auto [px, py] : {std::pair{170, 170}, {20, 300}, {300, 20}, {60, 60}, {320, 320}})
      expectPixel(px, py, casing(px, py));
    EXPECT_EQ(image.pixel(170, 170).alpha, 1);

    // The edge line covers the outermost point of every side, and nothing further in.
    expectPixel(0, 170, over(look.edge, casing(0, 170)));
    expectPixel(1, 170, over(look.edge, casing(1, 170)));
    expectPixel(339, 170, over(look.edge, casing(339, 170)));
    expectPixel(170, 339, over(look.edge, casing(170, 339)));
    expectPixel(2, 170, casing(2, 170));
    expectPixel(337, 170, casing(337, 170));
    expectPixel(170, 337, casing(170, 337));

    // The highlight: two points wide from the top edge, over the edge line on the outer point.
    expectPixel(170, 0, over(highlightAt(look, 0), over(look.edge, casing(170, 0))));
    expectPixel(170, 2, over(highlightAt(look, 2), casing(170, 2)));
    expectPixel(170, 3, over(highlightAt(look, 3), casing(170, 3)));
    expectPixel(170, 4, casing(170, 4));
    // Down the straight part of the sides there is no highlight left.
    expectPixel(2, 200, casing(2, 200));
    expectPixel(337, 200, casing(337, 200));

    // Down the sides it fades, and is gone past 22 % of the height: seen where the sides are
    // already straight near the top, on a widget with tight corners.
    Image tight = renderRoot(look.option, 4);
    for (int py : {20, 50, 80}) {
      expectPixelOf(tight, 2, py, over(highlightAt(look, py), casing(2, py)));
      expectPixelOf(tight, 337, py, over(highlightAt(look, py), casing(337, py)));
    }
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
