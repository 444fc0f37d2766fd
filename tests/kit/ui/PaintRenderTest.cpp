#include "RenderTesting.h"
#include "kit/ui/UI.h"

namespace kit::ui {
namespace {

using namespace testing;

TEST(PaintRender, EachPaintFillsItsShape) {
  Color quarter = mix(red, blue, 0.25), half = mix(red, blue, 0.5);
  const std::tuple<const char *, View, Size, std::vector<Probe>> cases[] = {
      {"a linear gradient holds its end colours beyond its ends",
       Rectangle().fill(LinearGradient{{red, blue}, {0.25, 0.5}, {0.75, 0.5}}),
       {100, 10},
       {{2, 5, red}, {25, 5, red}, {50, 5, half}, {75, 5, blue}, {98, 5, blue}}},
      {"gradient stops lie at their locations",
       Rectangle().fill(
           LinearGradient{{{Color::clear, 0.55}, {blue, 1}}, UnitPoint::top, UnitPoint::bottom}),
       {10, 100},
       {{5, 40, Color::clear}, {5, 77, mix(Color::clear, blue, 0.5)}, {5, 99, blue}}},
      {"a radial gradient's radii are in points",
       Rectangle().fill(RadialGradient{{red, blue}, UnitPoint::center, 0, 50}),
       {100, 100},
       {{50, 50, red}, {75, 50, half}, {1, 1, blue}}},
      // A quarter of the way out lies at 55 points across but 27.5 down; the corners beyond.
      {"an elliptical gradient stretches the unit square to the bounds",
       Rectangle().fill(EllipticalGradient{{red, blue}, {0.5, 0}, 0, 1.1}),
       {200, 100},
       {{100, 0, red}, {155, 0, quarter}, {100, 27, quarter}, {0, 99, blue}}},
  };
  for (const auto &[name, view, size, probes] : cases)
    expectPixels(draw(view, size), probes, 0.03, name);
}

} // namespace
} // namespace kit::ui
