#pragma once

#include "kit/ui/Geometry.h"
#include "kit/ui/text/TextStyle.h"

#include <memory>
#include <string>
#include <string_view>

typedef struct _cairo cairo_t;

namespace kit::ui {

// How a text fits a proposal: its size, its baselines (from its top), and how it had to give way.
struct TextMetrics {
  Size size;
  double firstBaseline = 0;
  double lastBaseline = 0;
  double scale = 1;       // the shrink applied, never below the style's minimum scale factor
  bool truncated = false; // an ellipsis replaced the tail
  int lineCount = 0;
  bool operator==(const TextMetrics &) const = default;
};

// Measures and draws text; layout asks it for sizes and baselines, the renderer asks it to draw.
// An unspecified proposal axis means "ideal": the text on as few lines as its line breaks allow.
class TextEngine {
public:
  virtual ~TextEngine() = default;

  virtual TextMetrics measure(std::string_view text, const TextStyle &style,
                              ProposedSize proposal) const = 0;

  // Draws the text laid out as `measure` did for `frame.size`, with its top-left corner at
  // `frame.origin`, in the cairo context's current source.
  virtual void draw(cairo_t *cr, std::string_view text, const TextStyle &style,
                    const Rect &frame) const = 0;

  // The font a face request resolves to (its PostScript name), for checks and the tree dump.
  virtual std::string resolvedFaceName(const Font &font) const = 0;
  // The weight of that face, which a PostScript name fixes whatever the request says; an engine
  // that resolves no faces reports the weight asked for.
  virtual FontWeight resolvedWeight(const Font &font) const { return font.weight; }
};

// The process's engine on Pango and the registered fonts.
const TextEngine &defaultTextEngine();

} // namespace kit::ui
