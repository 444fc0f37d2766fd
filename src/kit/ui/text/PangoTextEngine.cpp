#include "kit/ui/text/PangoTextEngine.h"

#include "kit/foundation/Utf8.h"
#include "kit/ui/text/FontConfiguration.h"
#include "kit/ui/text/FontResolver.h"
#include "kit/ui/text/RenditionCache.h"
#include "kit/ui/text/TextLayout.h"
#include "kit/ui/text/TextStyleHash.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace kit::ui {

namespace {

constexpr std::size_t renditionCapacity = 512;

struct FontOptionsDestroyer {
  void operator()(cairo_font_options_t *options) const { cairo_font_options_destroy(options); }
};

// Grey antialiasing (no colour fringes in images) and unhinted metrics (the same layout at every
// scale); slight hinting keeps small glyphs crisp.
void configure(PangoContext *context) {
  pango_cairo_context_set_resolution(context, 72);
  pango_context_set_round_glyph_positions(context, FALSE);
  pango_context_set_language(context, pango_language_from_string("en-us"));
  std::unique_ptr<cairo_font_options_t, FontOptionsDestroyer> options(cairo_font_options_create());
  cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(context, options.get());
}

// Pango needs valid UTF-8 without NULs.
std::string displayable(std::string_view text) {
  std::string shown = g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)
                          ? std::string(text)
                          : foundation::sanitizedUtf8(text);
  shown.erase(std::remove(shown.begin(), shown.end(), '\0'), shown.end());
  return shown;
}

std::optional<int> boundOf(std::optional<double> proposed) {
  if (!proposed || !std::isfinite(*proposed))
    return std::nullopt;
  return pangoUnits(std::max(0.0, *proposed));
}

TextBounds boundsOf(ProposedSize proposal) {
  return {boundOf(proposal.width), boundOf(proposal.height)};
}

bool drawable(std::string_view text, const TextStyle &style) {
  return !text.empty() && std::isfinite(style.font.size) && style.font.size > 0;
}

// Fonts that differ only in size resolve alike.
Font sizeless(Font font) {
  font.size = 0;
  return font;
}

double alignmentFactor(TextAlignment alignment) {
  switch (alignment) {
  case TextAlignment::center:
    return 0.5;
  case TextAlignment::trailing:
    return 1;
  case TextAlignment::leading:
    break;
  }
  return 0;
}

// Every line is as wide as its glyphs plus the same trailing tracking, so lines align on the
// widest one by their glyph widths.
void drawLines(cairo_t *cr, PangoLayout *layout, TextAlignment alignment, Point origin) {
  int widest = geometryOf(layout).widestLine;
  double factor = alignmentFactor(alignment);
  LayoutIterPtr iter(pango_layout_get_iter(layout));
  do {
    PangoRectangle logical;
    pango_layout_iter_get_line_extents(iter.get(), nullptr, &logical);
    double x = origin.x + points(logical.x) + factor * points(widest - logical.width);
    double y = origin.y + points(pango_layout_iter_get_baseline(iter.get()));
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout_line(cr, pango_layout_iter_get_line_readonly(iter.get()));
  } while (pango_layout_iter_next_line(iter.get()));
}

} // namespace

struct PangoTextEngine::State {
  // A face a request resolved to: its PostScript name and its own weight.
  struct Face {
    std::string name;
    FontWeight weight = FontWeight::regular;
  };

  std::uint64_t generation = 0;
  GObjectPtr<PangoFontMap> fontMap;
  GObjectPtr<PangoContext> context;
  std::unordered_map<Font, FontDescriptionPtr, FontHash> descriptions;
  std::unordered_map<Font, Face, FontHash> faces;
  RenditionCache renditions{renditionCapacity};

  // Called under the font configuration lock. Fonts registered since the font map was made
  // only show in a new one, so everything resolved with the old one goes.
  void prepare() {
    if (context && generation == fontConfigurationGeneration())
      return;
    renditions.clear();
    faces.clear();
    descriptions.clear();
    context.reset();
    // Made current before Pango can load the system's configuration for itself.
    fontConfiguration();
    fontMap.reset(pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT));
    context.reset(pango_font_map_create_context(fontMap.get()));
    configure(context.get());
    generation = fontConfigurationGeneration();
  }

  const PangoFontDescription *description(const Font &font) {
    Font key = sizeless(font);
    auto found = descriptions.find(key);
    if (found == descriptions.end())
      found = descriptions.emplace(key, describeFont(key)).first;
    return found->second.get();
  }

  std::shared_ptr<const Rendition> rendition(std::string_view text, const TextStyle &style,
                                             ProposedSize proposal) {
    prepare();
    RenditionKey key{displayable(text), style, boundsOf(proposal)};
    if (auto found = renditions.find(key))
      return found;
    auto made = std::make_shared<Rendition>();
    if (drawable(key.text, style))
      *made = fitText(context.get(), description(style.font), key.text, style, key.bounds);
    renditions.insert(key, made);
    // Drawing asks again with the size measuring gave: it must find this very layout.
    key.bounds = boundsOf(ProposedSize::of(made->metrics.size));
    renditions.insert(key, made);
    return made;
  }

  const Face &face(const Font &font) {
    prepare();
    Font key = sizeless(font);
    if (auto found = faces.find(key); found != faces.end())
      return found->second;
    FontDescriptionPtr sized(pango_font_description_copy(description(key)));
    // Faces do not change with the size here: one size serves every request.
    pango_font_description_set_absolute_size(sized.get(), pangoUnits(Font{}.size));
    GObjectPtr<PangoFont> loaded(
        pango_font_map_load_font(fontMap.get(), context.get(), sized.get()));
    Face resolved{postScriptNameOf(loaded.get()), key.weight};
    if (loaded) {
      FontDescriptionPtr described(pango_font_describe(loaded.get()));
      resolved.weight = fontWeight(pango_font_description_get_weight(described.get()));
    }
    return faces[key] = std::move(resolved);
  }
};

PangoTextEngine::PangoTextEngine() : state_(std::make_unique<State>()) {}

PangoTextEngine::~PangoTextEngine() {
  auto lock = lockFontConfiguration();
  state_.reset();
}

TextMetrics PangoTextEngine::measure(std::string_view text, const TextStyle &style,
                                     ProposedSize proposal) const {
  auto lock = lockFontConfiguration();
  return state_->rendition(text, style, proposal)->metrics;
}

void PangoTextEngine::draw(cairo_t *cr, std::string_view text, const TextStyle &style,
                           const Rect &frame) const {
  if (!cr || !std::isfinite(frame.origin.x) || !std::isfinite(frame.origin.y))
    return;
  auto lock = lockFontConfiguration();
  auto rendition = state_->rendition(text, style, ProposedSize::of(frame.size));
  if (!rendition->layout)
    return;
  cairo_save(cr);
  drawLines(cr, rendition->layout.get(), style.alignment, frame.origin);
  cairo_restore(cr);
}

std::string PangoTextEngine::resolvedFaceName(const Font &font) const {
  auto lock = lockFontConfiguration();
  return state_->face(font).name;
}

FontWeight PangoTextEngine::resolvedWeight(const Font &font) const {
  auto lock = lockFontConfiguration();
  return state_->face(font).weight;
}

std::vector<FaceRun> PangoTextEngine::runs(std::string_view text, const TextStyle &style,
                                           ProposedSize proposal) const {
  auto lock = lockFontConfiguration();
  auto rendition = state_->rendition(text, style, proposal);
  std::vector<FaceRun> runs;
  if (!rendition->layout)
    return runs;
  const char *laidOut = pango_layout_get_text(rendition->layout.get());
  LayoutIterPtr iter(pango_layout_get_iter(rendition->layout.get()));
  do {
    PangoLayoutRun *run = pango_layout_iter_get_run_readonly(iter.get());
    if (!run)
      continue;
    const PangoItem *item = run->item;
    runs.push_back({std::string(laidOut + item->offset, static_cast<std::size_t>(item->length)),
                    postScriptNameOf(item->analysis.font)});
  } while (pango_layout_iter_next_run(iter.get()));
  return runs;
}

const TextEngine &defaultTextEngine() {
  // Never destroyed, so threads still drawing while the process exits keep a working engine.
  static const auto *engine = new PangoTextEngine();
  return *engine;
}

} // namespace kit::ui
