// Every widget the bundle holds, by group and size class: the first entry of its timeline laid
// out, drawn at scale 2 and encoded as PNG bytes, as `zavel-widgets render` does, and each step
// alone. Names read BM_<step>/<group>/<small|medium|large>/<kind>.
#include "support/OfflineHome.h"

#include "Widgets/ZavelWidgetsBundle.h"
#include "host/WidgetRendering.h"
#include "kit/ui/Png.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using kit::ui::Size;
using kit::widgets::AnyEntry;
using kit::widgets::AnyWidget;
using zavel::host::layOutEntry;
using zavel::host::renderTree;

constexpr double kScale = 2;

// The first entry of the widget's timeline in its default configuration; none when it has none.
std::optional<AnyEntry> firstEntry(const AnyWidget &widget) {
  try {
    auto context = kit::widgets::TimelineContext::of(widget.info().family);
    auto timeline = widget.configure(kit::foundation::Json::object()).timeline(context);
    if (!timeline.entries.empty())
      return timeline.entries.front();
  } catch (...) {
  }
  return std::nullopt;
}

void BM_WidgetToPng(benchmark::State &state, AnyEntry entry, Size size) {
  std::size_t bytes = 0;
  for (auto _ : state)
    bytes = kit::ui::encodePng(renderTree(layOutEntry(entry, size), kScale)).size();
  if (bytes == 0)
    state.SkipWithError("no PNG");
  state.counters["bytes"] = double(bytes);
}

void BM_WidgetLayout(benchmark::State &state, AnyEntry entry, Size size) {
  for (auto _ : state)
    benchmark::DoNotOptimize(layOutEntry(entry, size));
}

void BM_WidgetDraw(benchmark::State &state, AnyEntry entry, Size size) {
  auto tree = layOutEntry(entry, size);
  for (auto _ : state)
    benchmark::DoNotOptimize(renderTree(tree, kScale));
}

void BM_WidgetEncode(benchmark::State &state, AnyEntry entry, Size size) {
  auto image = renderTree(layOutEntry(entry, size), kScale);
  for (auto _ : state)
    benchmark::DoNotOptimize(kit::ui::encodePng(image));
}

template <class Function>
void add(const char *step, const std::string &group, const AnyWidget &widget, Function function,
         const AnyEntry &entry) {
  const auto &info = widget.info();
  std::string name = std::string(step) + "/" + group + "/" +
                     std::string(kit::widgets::familyName(info.family)) + "/" + info.kind;
  benchmark::RegisterBenchmark(name.c_str(), function, entry,
                               kit::widgets::displaySize(info.family))
      ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  bench::OfflineHome home;
  auto bundle = zavel::makeWidgetsBundle();
  std::vector<std::string> groups(bundle.widgets().size());
  for (const auto &section : bundle.sections())
    for (std::size_t i = section.begin; i < section.end; ++i)
      groups[i] = section.title;
  for (std::size_t i = 0; i < bundle.widgets().size(); ++i) {
    const AnyWidget &widget = bundle.widgets()[i];
    auto entry = firstEntry(widget);
    if (!entry) {
      benchmark::RegisterBenchmark(
          ("BM_WidgetToPng/" + widget.kind()).c_str(),
          [](benchmark::State &state) { state.SkipWithError("the timeline has no entry"); });
      continue;
    }
    add("BM_WidgetToPng", groups[i], widget, BM_WidgetToPng, *entry);
    add("BM_WidgetLayout", groups[i], widget, BM_WidgetLayout, *entry);
    add("BM_WidgetDraw", groups[i], widget, BM_WidgetDraw, *entry);
    add("BM_WidgetEncode", groups[i], widget, BM_WidgetEncode, *entry);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
