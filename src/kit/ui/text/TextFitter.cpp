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
    double minimum = minimumScale();
    // No room at all (as when layout probes a text with a zero proposal): nothing but the
    // ellipsis at its smallest can show, as the full search would find at more cost.
    if (bounds_.width && *bounds_.width <= slack)
      return finish(attempt(ellipsis, minimum), true);
    Attempt full = attempt(text_, 1);
    if (full.fits)
      return finish(std::move(full), false);
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

  double minimumScale() const {
    if (!std::isfinite(style_.minimumScaleFactor))
      return 1;
    return std::clamp(style_.minimumScaleFactor, scaleTolerance, 1.0);
  }

  // A text kept to one line is never wrapped: it fits on its line or not at all.
  int wrapWidth() const {
    bool oneLine = style_.lineLimit && *style_.lineLimit <= 1;
    return bounds_.width && !oneLine ? *bounds_.width : -1;
  }

  int extentOf(const Attempt &a) const {
    return a.geometry.widestLine + trackingUnits(style_, a.scale);
  }

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
    a.layout = makeLayout(context_, font_, text, style_, scale, wrapWidth());
    a.geometry = geometryOf(a.layout.get());
    a.allowedLines = linesWithinHeight(a.geometry);
    if (style_.lineLimit)
      a.allowedLines = std::min(a.allowedLines, std::max(1, *style_.lineLimit));
    a.fits = a.geometry.lineCount() <= a.allowedLines &&
             (!bounds_.width || extentOf(a) <= *bounds_.width + slack);
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

  // Where the failed layout puts each cut, its guess for the longest start that fits with an
  // ellipsis after it: the last cut on the last allowed line with room for the ellipsis.
  long guessedCut(const Attempt &failed, const std::vector<size_t> &cuts,
                  int ellipsisExtent) const {
    long guess = -1;
    for (size_t i = 0; i < cuts.size(); ++i) {
      int line = 0, x = 0;
      pango_layout_index_to_line_x(failed.layout.get(), static_cast<int>(cuts[i]), FALSE, &line,
                                   &x);
      bool room =
          line < failed.allowedLines - 1 || !bounds_.width || x + ellipsisExtent <= *bounds_.width;
      if (room)
        guess = static_cast<long>(i);
    }
    return guess;
  }

  // The longest start of the text that fits with an ellipsis after it, at the failed attempt's
  // scale; the ellipsis alone when nothing does. The guess and its neighbour are checked first,
  // then the gap is halved.
  Rendition truncate(Attempt failed) {
    Attempt best = attempt(ellipsis, failed.scale);
    if (!best.fits)
      return finish(std::move(best), true);
    size_t end = text_.size();
    if (failed.geometry.lineCount() > failed.allowedLines)
      end = pango_layout_get_line_readonly(failed.layout.get(), failed.allowedLines)->start_index;
    std::vector<size_t> cuts = cutPoints(failed.layout.get(), text_, end);
    long fitting = -1, tooLong = static_cast<long>(cuts.size());
    std::optional<long> next = guessedCut(failed, cuts, extentOf(best));
    for (int probes = 0; tooLong - fitting > 1; ++probes) {
      long probe = std::clamp(next.value_or((fitting + tooLong) / 2), fitting + 1, tooLong - 1);
      Attempt a = attempt(shortened(text_, cuts[probe]), failed.scale);
      bool fits = a.fits;
      if (fits) {
        best = std::move(a);
        fitting = probe;
      } else {
        tooLong = probe;
      }
      next = probes == 0 ? std::optional<long>(fits ? probe + 1 : probe - 1) : std::nullopt;
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
