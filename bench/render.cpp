// Drawing and PNG costs of the view toolkit.
#include "kit/ui/Render.h"
#include "kit/ui/Layout.h"
#include "kit/ui/Png.h"
#include "kit/ui/UI.h"
#include "kit/ui/text/TextEngine.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

using namespace kit::ui;

// Layout and drawing without text: the costs measured here are the toolkit's own.
class SilentTextEngine final : public TextEngine {
public:
  TextMetrics measure(std::string_view, const TextStyle &, ProposedSize) const override {
    return {};
  }
  void draw(cairo_t *, std::string_view, const TextStyle &, const Rect &) const override {}
  std::string resolvedFaceName(const Font &) const override { return {}; }
};

const SilentTextEngine engine;

LaidOutTree layOutAt(const View &view, Size size) {
  return layOut(view, size, LayoutContext{engine, {}});
}

// A canvas of many stroked and filled curves over a gradient.
View largeCanvas() {
  return Canvas([](GraphicsContext &g, Size size) {
    Path backdrop;
    backdrop.addRoundedRect({{0, 0}, size}, 28);
    g.fill(backdrop, LinearGradient{{Color::rgb8(58, 58, 65), Color::rgb8(31, 31, 36)}});
    for (int i = 0; i < 60; ++i) {
      double t = i / 60.0;
      Path wave;
      wave.move({0, size.height * t});
      wave.addCurve({size.width, size.height * (1 - t)}, {size.width / 3, 0},
                    {2 * size.width / 3, size.height});
      g.stroke(wave, Color::rgb(t, 0.6, 1 - t, 0.8),
               {.lineWidth = 1 + 3 * t, .lineCap = LineCap::round});
      Path dot;
      dot.addEllipse({{size.width * t, size.height * std::abs(std::sin(6 * t))}, {12, 12}});
      g.fill(dot, Color::rgb8(242, 92, 5));
    }
  });
}

// A casing and a screen pane like every widget's, optionally through the static-layer cache.
View deviceFace(bool cached) {
  View casing = ZStack({
      View(LinearGradient{
          {Color::rgb8(58, 58, 65), Color::rgb8(31, 31, 36)}, {0.289, 0.047}, {0.711, 0.953}}),
      ContainerRelativeShape().stroke(Color::white.opacity(0.1), 2),
  });
  View glass = ZStack({
      View(
          EllipticalGradient{{Color::rgb8(20, 21, 23), Color::rgb8(10, 11, 12)}, {0.5, 0}, 0, 1.1}),
      RoundedRectangle(21, RoundedCornerStyle::continuous)
          .stroke(Color::black.opacity(0.85), 10)
          .blur(5)
          .offset(0, 2),
  });
  if (cached) {
    casing = casing.staticLayer("bench-casing");
    glass = glass.staticLayer("bench-glass");
  }
  View screen = ZStack({glass, Circle().fill(Color::rgb8(28, 174, 194)).frame(40, 40)})
                    .clipShape(RoundedRectangle(21, RoundedCornerStyle::continuous))
                    .overlay(RoundedRectangle(21, RoundedCornerStyle::continuous)
                                 .strokeBorder(Color::white.opacity(0.045), 1))
                    .padding(7);
  return screen.containerBackground(casing);
}

// Stacks nested as deep as a deck widget's, with spacers and flexible frames at every level.
View nested(int depth) {
  if (depth == 0)
    return Text("label").frame({.maxWidth = infinity, .alignment = Alignment::leading});
  View row = HStack(VAlign::center, 4, {nested(depth - 1), Spacer(), Circle().frame(6, 6)});
  return VStack(HAlign::leading, 0, {row, Spacer(0), nested(depth - 1).padding(2)});
}

void BM_LayOutNestedStacks(benchmark::State &state) {
  View view = nested(int(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(layOutAt(view, {364, 382}));
}
BENCHMARK(BM_LayOutNestedStacks)->Arg(4)->Arg(6)->Unit(benchmark::kMicrosecond);

void BM_RasterLargeCanvasAtScale2(benchmark::State &state) {
  LaidOutTree tree = layOutAt(largeCanvas(), {364, 382});
  for (auto _ : state)
    benchmark::DoNotOptimize(render(tree, {.scale = 2}));
}
BENCHMARK(BM_RasterLargeCanvasAtScale2)->Unit(benchmark::kMillisecond);

void BM_EncodePng(benchmark::State &state) {
  Size size{state.range(0) / 2.0, state.range(1) / 2.0};
  Image image = render(layOutAt(largeCanvas(), size), {.scale = 2});
  std::size_t bytes = 0;
  for (auto _ : state)
    bytes = encodePng(image).size();
  state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_EncodePng)->Args({340, 340})->Args({728, 764})->Unit(benchmark::kMillisecond);

void BM_SmallDeviceFaceToPng(benchmark::State &state) {
  bool cached = state.range(0) != 0;
  View face = deviceFace(cached);
  std::size_t bytes = 0;
  for (auto _ : state) {
    LaidOutTree tree = layOutAt(face, {170, 170});
    bytes = encodePng(render(tree, {.scale = 2})).size();
  }
  state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_SmallDeviceFaceToPng)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
