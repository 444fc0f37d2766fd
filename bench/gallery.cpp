// The whole widget gallery in one process: every snapshot laid out, drawn and written as PNG.
#include "support/OfflineHome.h"

#include "Widgets/ZavelWidgetsBundle.h"
#include "host/Gallery.h"

#include <benchmark/benchmark.h>

namespace {

// The gallery written, as `zavel-widgets gallery` writes it; none when it failed.
std::vector<zavel::host::GalleryItem> written(benchmark::State &state,
                                              const kit::widgets::WidgetBundle &bundle,
                                              const std::filesystem::path &folder) {
  try {
    return zavel::host::writeGallery(bundle, folder);
  } catch (const std::exception &error) {
    state.SkipWithError(error.what());
    return {};
  }
}

void checkDrawn(benchmark::State &state, const std::vector<zavel::host::GalleryItem> &items) {
  for (const auto &item : items)
    if (!item.written)
      state.SkipWithError(("not drawn: " + item.kind).c_str());
  state.counters["widgets"] = double(items.size());
}

// The first gallery of the process, as `zavel-widgets gallery` draws it (registered first, so it
// runs before anything has warmed the font maps and layer caches).
void BM_FirstGallery(benchmark::State &state) {
  bench::OfflineHome home;
  std::vector<zavel::host::GalleryItem> items;
  for (auto _ : state) {
    auto bundle = zavel::makeWidgetsBundle();
    items = written(state, bundle, home.folder());
  }
  checkDrawn(state, items);
}
BENCHMARK(BM_FirstGallery)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Later galleries of the same process.
void BM_Gallery(benchmark::State &state) {
  bench::OfflineHome home;
  auto bundle = zavel::makeWidgetsBundle();
  std::vector<zavel::host::GalleryItem> items;
  for (auto _ : state)
    items = written(state, bundle, home.folder());
  checkDrawn(state, items);
}
BENCHMARK(BM_Gallery)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace
