// PNG encoding of pictures the size of a small (340×340) and a large (728×764) widget at
// scale 2: a device face as every widget has, and a busy picture that compresses badly.
#include "support/Pictures.h"

#include "kit/ui/Png.h"
#include "kit/ui/Render.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kit::ui;

Size pointsOf(const benchmark::State &state) {
  return {double(state.range(0)) / 2, double(state.range(1)) / 2};
}

void encode(benchmark::State &state, const Image &image) {
  std::size_t bytes = 0;
  for (auto _ : state)
    bytes = encodePng(image).size();
  if (bytes == 0)
    state.SkipWithError("nothing encoded");
  state.counters["bytes"] = double(bytes);
  state.SetBytesProcessed(int64_t(state.iterations()) * image.width() * image.height() * 4);
}

void BM_EncodeDeviceFace(benchmark::State &state) {
  encode(state, render(bench::layOutSilently(bench::deviceFace(false), pointsOf(state))));
}
BENCHMARK(BM_EncodeDeviceFace)->Args({340, 340})->Args({728, 764})->Unit(benchmark::kMillisecond);

void BM_EncodeBusyPicture(benchmark::State &state) {
  encode(state, render(bench::layOutSilently(bench::busyCanvas(), pointsOf(state))));
}
BENCHMARK(BM_EncodeBusyPicture)->Args({340, 340})->Args({728, 764})->Unit(benchmark::kMillisecond);

} // namespace
