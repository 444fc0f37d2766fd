#include "kit/ui/text/TextFitter.h"

#include "kit/ui/text/TextLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace kit::ui {

namespace {

// Scales closer than this are the same size to the eye.
constexpr double scaleTolerance = 0.001;
constexpr std::string_view ellipsis = "\u2026";
// Pango rounds each glyph's advance on its own; a line may come out this much over its width.
constexpr int slack = 2;

// One laying-out at a scale, and whether it fits the bounds.
struct Attempt {
  GObjectPtr<PangoLayout> layout;
  LayoutGeometry geometry;
  double scale = 1;
  int allowedLines = 0;
  bool fits = false;
};

class TextFitter {
public:
  TextFitter(PangoContext *context, const PangoFontDescription *font, std::string_view text,
             const TextStyle &style, TextBounds bounds)
      : context_(context), font_(font), text_(text), style_(style), bounds_(bounds) {}

  Rendition fit() {
    Attempt full = attempt(text_, 1);
    if (full.fits)
      return finish(std::move(full), false);
    double minimum = std::isfinite(style_.minimumScaleFactor)
                         ? std::clamp(style_.minimumScaleFactor, scaleTolerance, 1.0)
                         : 1.0;
    if (minimum >= 1)
      return truncate(std::move(full));
    return shrink(full, minimum);
  }

private:
  PangoContext *context_;
  const PangoFontDescription *font_;
  std::string_view text_;
  const TextStyle &style_;
  TextBounds bounds_;

  int wrapWidth() const { return bounds_.width ? *bounds_.width : -1; }

  int linesWithinHeight(const LayoutGeometry &geometry) const {
    if (!bounds_.height)
      return std::numeric_limits<int>::max();
    auto within =
        std::upper_bound(geometry.lineBottoms.begin(), geometry.lineBottoms.end(), *bounds_.height);
    return std::max(1, static_cast<int>(within - geometry.lineBottoms.begin()));
  }

  Attempt attempt(std::string_view text, double scale) const {
    Attempt a;
    a.scale = scale;
    int width = wrapWidth();
    a.layout = makeLayout(context_, font_, text, style_, scale, width);
    a.geometry = geometryOf(a.layout.get());
    a.allowedLines = linesWithinHeight(a.geometry);
    if (style_.lineLimit)
      a.allowedLines = std::min(a.allowedLines, std::max(1, *style_.lineLimit));
    int extent = a.geometry.widestLine + trackingUnits(style_, scale);
    a.fits = a.geometry.lineCount() <= a.allowedLines && (width < 0 || extent <= width + slack);
    return a;
  }

  // Widths scale in proportion to the font, so the room over the text's extent is a close guess.
  double estimatedScale(const Attempt &full) const {
    if (!bounds_.width)
      return double(full.allowedLines) / full.geometry.lineCount();
    double extent = full.geometry.lineCount() * double(trackingUnits(style_, 1)) +
                    totalLineWidth(full.layout.get());
    return extent > 0 ? double(full.allowedLines) * *bounds_.width / extent : 1;
  }

  static double totalLineWidth(PangoLayout *layout) {
    double total = 0;
    for (GSList *line = pango_layout_get_lines_readonly(layout); line; line = line->next) {
      PangoRectangle logical;
      pango_layout_line_get_extents(static_cast<PangoLayoutLine *>(line->data), nullptr, &logical);
      total += logical.width;
    }
    return total;
  }

  // The largest scale at which the whole text fits, found from a guess and refined by halving
  // the gap between the largest scale known to fit and the smallest known not to.
  Rendition shrink(const Attempt &full, double minimum) {
    double guess = std::clamp(estimatedScale(full), minimum, 1 - scaleTolerance);
    double tooLarge = full.scale;
    Attempt fitting = attempt(text_, guess);
    if (!fitting.fits) {
      tooLarge = guess;
      if (guess <= minimum)
        return truncate(std::move(fitting));
      fitting = attempt(text_, minimum);
      if (!fitting.fits)
        return truncate(std::move(fitting));
    }
    bool first = true;
    while (tooLarge - fitting.scale > scaleTolerance) {
      double middle = (fitting.scale + tooLarge) / 2;
      // The guess is usually right: check just above it before halving.
      if (first)
        middle = std::min(middle, fitting.scale + scaleTolerance);
      first = false;
      Attempt probe = attempt(text_, middle);
      if (probe.fits)
        fitting = std::move(probe);
      else
        tooLarge = middle;
    }
    return finish(std::move(fitting), false);
  }

  // The offsets where the text may be cut (grapheme boundaries) up to `end`.
  static std::vector<size_t> cutPoints(PangoLayout *layout, std::string_view text, size_t end) {
    int count = 0;
    const PangoLogAttr *attributes = pango_layout_get_log_attrs_readonly(layout, &count);
    std::vector<size_t> cuts;
    const char *p = text.data();
    for (int i = 0; i < count; ++i) {
      size_t offset = static_cast<size_t>(p - text.data());
      if (offset > end)
        break;
      if (attributes[i].is_cursor_position && offset > 0)
        cuts.push_back(offset);
      if (offset >= text.size())
        break;
      p = g_utf8_next_char(p);
    }
    return cuts;
  }

  static std::string shortened(std::string_view text, size_t cut) {
    std::string_view kept = text.substr(0, cut);
    while (!kept.empty() && std::string_view(" \t\r\n").find(kept.back()) != std::string_view::npos)
      kept.remove_suffix(1);
    return std::string(kept) + std::string(ellipsis);
  }

  // The longest start of the text that fits with an ellipsis after it, at the failed attempt's
  // scale; the ellipsis alone when nothing does.
  Rendition truncate(Attempt failed) {
    const LayoutGeometry &geometry = failed.geometry;
    size_t end = text_.size();
    if (geometry.lineCount() > failed.allowedLines)
      end = pango_layout_get_line_readonly(failed.layout.get(), failed.allowedLines)->start_index;
    std::vector<size_t> cuts = cutPoints(failed.layout.get(), text_, end);
    Attempt best = attempt(ellipsis, failed.scale);
    size_t low = 0, high = cuts.size();
    while (low < high) {
      size_t middle = (low + high) / 2;
      Attempt probe = attempt(shortened(text_, cuts[middle]), failed.scale);
      if (probe.fits) {
        best = std::move(probe);
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    return finish(std::move(best), true);
  }

  Rendition finish(Attempt attempt, bool truncated) const {
    const LayoutGeometry &geometry = attempt.geometry;
    double tracking = points(trackingUnits(style_, attempt.scale));
    Rendition rendition;
    rendition.metrics.size = {std::max(0.0, points(geometry.widestLine) + tracking),
                              points(geometry.height)};
    rendition.metrics.firstBaseline = points(geometry.firstBaseline);
    rendition.metrics.lastBaseline = points(geometry.lastBaseline);
    rendition.metrics.scale = attempt.scale;
    rendition.metrics.truncated = truncated;
    rendition.metrics.lineCount = geometry.lineCount();
    rendition.layout = std::move(attempt.layout);
    return rendition;
  }
};

} // namespace

Rendition fitText(PangoContext *context, const PangoFontDescription *font, std::string_view text,
                  const TextStyle &style, TextBounds bounds) {
  return TextFitter(context, font, text, style, bounds).fit();
}

} // namespace kit::ui
