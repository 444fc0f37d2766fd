// Layout and drawing costs of the view toolkit, without text.
#include "support/Pictures.h"

#include "kit/ui/Png.h"
#include "kit/ui/Render.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kit::ui;
using bench::layOutSilently;

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
    benchmark::DoNotOptimize(layOutSilently(view, {364, 382}));
}
BENCHMARK(BM_LayOutNestedStacks)->Arg(4)->Arg(6)->Unit(benchmark::kMicrosecond);

void BM_RasterBusyCanvasAtScale2(benchmark::State &state) {
  LaidOutTree tree = layOutSilently(bench::busyCanvas(), {364, 382});
  for (auto _ : state)
    benchmark::DoNotOptimize(render(tree, {.scale = 2}));
}
BENCHMARK(BM_RasterBusyCanvasAtScale2)->Unit(benchmark::kMillisecond);

// A small device face drawn at scale 2, with its static layers drawn each time or copied.
void BM_RasterSmallDeviceFace(benchmark::State &state) {
  View face = bench::deviceFace(state.range(0) != 0);
  for (auto _ : state)
    benchmark::DoNotOptimize(render(layOutSilently(face, {170, 170}), {.scale = 2}));
}
BENCHMARK(BM_RasterSmallDeviceFace)
    ->ArgName("cached")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
