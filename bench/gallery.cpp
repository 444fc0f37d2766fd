// The whole widget gallery in one process: every snapshot laid out, drawn and written as PNG.
#include "host/Gallery.h"
#include "Widgets/ZavelWidgetsBundle.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A temporary folder for the pictures and the data home, removed afterwards.
class BenchFolder {
public:
  BenchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "zavel-gallery-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
      std::abort();
    path_ = pattern;
    setenv("ZAVEL_HOME", (path_ / "home").c_str(), 1);
  }
  ~BenchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  const std::filesystem::path &path() const { return path_; }

private:
  std::filesystem::path path_;
};

// The first gallery of the process, as `zavel-widgets gallery` draws it (registered first, so it
// runs before anything has warmed the font maps and layer caches).
void BM_FirstGallery(benchmark::State &state) {
  BenchFolder folder;
  for (auto _ : state) {
    auto bundle = zavel::makeWidgetsBundle();
    benchmark::DoNotOptimize(zavel::host::renderGallery(bundle, folder.path()));
  }
}
BENCHMARK(BM_FirstGallery)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Later galleries of the same process.
void BM_Gallery(benchmark::State &state) {
  BenchFolder folder;
  auto bundle = zavel::makeWidgetsBundle();
  for (auto _ : state)
    benchmark::DoNotOptimize(zavel::host::renderGallery(bundle, folder.path()));
  state.counters["widgets"] = double(bundle.widgets().size());
}
BENCHMARK(BM_Gallery)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace
