// Measuring, shaping and drawing the texts of a typical small widget.
#include "kit/foundation/Resources.h"
#include "kit/ui/text/FontRegistry.h"
#include "kit/ui/text/PangoTextEngine.h"

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace kit::ui;

void registerFonts() {
  static FontRegistry registry;
  std::vector<std::filesystem::path> files;
  for (const auto &entry :
       std::filesystem::directory_iterator(kit::foundation::resourcePath("fonts")))
    files.push_back(entry.path());
  registry.registerOnce(files, {{"Doto", "Doto Black"}});
}

TextStyle style(Font font, double tracking, std::optional<int> lineLimit = 1,
                double minimumScale = 1) {
  TextStyle s;
  s.font = std::move(font);
  s.tracking = tracking;
  s.lineLimit = lineLimit;
  s.minimumScaleFactor = minimumScale;
  return s;
}

struct WidgetText {
  std::string text;
  TextStyle style;
  ProposedSize proposal;
};

// A weather screen: place, big numeral, condition, high and low, two key captions and a
// headline that needs two lines and an ellipsis.
std::vector<WidgetText> widgetTexts(const std::string &variation) {
  return {
      {"SAN FRANCISCO" + variation,
       style(Font::postScript("IBMPlexMono-Medium", 9), 1.62),
       {130, 20}},
      {"21\u00b0" + variation,
       style(Font::postScript("IBMPlexMono-Bold", 44), -0.88, 1, 0.55),
       {60, 60}},
      {"PARTLY CLOUDY" + variation,
       style(Font::postScript("IBMPlexMono-Regular", 10), 1.6),
       {130, 20}},
      {"H 24\u00b0 \u2014 L 15\u00b0" + variation,
       style(Font::postScript("IBMPlexMono-Regular", 10), 1.2),
       {130, 20}},
      {"MODE" + variation, style(Font::postScript("IBMPlexMono-SemiBold", 8), 1.2), {40, 12}},
      {"Fog lifts by noon as a dry wind comes in from the west" + variation,
       style(Font::postScript("IBMPlexMono-Regular", 10), 0, 2),
       {130, 40}},
  };
}

// What layout asks of every text: its size at zero, at infinity and at the offer.
void measureAll(const PangoTextEngine &engine, const std::vector<WidgetText> &texts) {
  for (const auto &t : texts) {
    benchmark::DoNotOptimize(engine.measure(t.text, t.style, ProposedSize::zero()));
    benchmark::DoNotOptimize(engine.measure(t.text, t.style, ProposedSize::infinite()));
    benchmark::DoNotOptimize(engine.measure(t.text, t.style, t.proposal));
  }
}

void BM_MeasureWidgetTextsRepeated(benchmark::State &state) {
  registerFonts();
  PangoTextEngine engine;
  auto texts = widgetTexts("");
  for (auto _ : state)
    measureAll(engine, texts);
}
BENCHMARK(BM_MeasureWidgetTextsRepeated);

void BM_MeasureWidgetTextsFirstTime(benchmark::State &state) {
  registerFonts();
  PangoTextEngine engine;
  measureAll(engine, widgetTexts("")); // faces loaded once, as in any process
  long round = 0;
  for (auto _ : state)
    measureAll(engine, widgetTexts(" " + std::to_string(round++)));
}
BENCHMARK(BM_MeasureWidgetTextsFirstTime);

void BM_DrawWidgetTexts(benchmark::State &state) {
  registerFonts();
  PangoTextEngine engine;
  auto texts = widgetTexts("");
  cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 340, 340);
  cairo_t *cr = cairo_create(surface);
  cairo_scale(cr, 2, 2);
  for (auto _ : state) {
    double y = 0;
    for (const auto &t : texts) {
      auto size = engine.measure(t.text, t.style, t.proposal).size;
      engine.draw(cr, t.text, t.style, {{10, y}, size});
      y += size.height;
    }
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}
BENCHMARK(BM_DrawWidgetTexts);

} // namespace
