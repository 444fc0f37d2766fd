#pragma once

#include "kit/ui/text/TextEngine.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>
#include <string>
#include <vector>

namespace kit::ui::testing {

// A predictable text measurer: every character is 0.6 × size wide (plus tracking), a line is
// 1.2 × size high with its baseline at 0.95 × size. Words wrap greedily at the offered width;
// a minimum scale factor shrinks a single line before it truncates. Draws each line as a
// filled box in the current source.
class FakeTextEngine final : public TextEngine {
public:
  struct Layout {
    TextMetrics metrics;
    std::vector<double> lineWidths;
  };

  Layout layout(std::string_view text, const TextStyle &style, ProposedSize proposal) const {
    double size = style.font.size;
    auto widthOf = [&](std::size_t characters) {
      return double(characters) * (0.6 * size + style.tracking);
    };
    double natural = widthOf(count(text));
    double scale = 1;
    if (proposal.width && natural > *proposal.width && style.minimumScaleFactor < 1)
      scale = std::max(style.minimumScaleFactor, *proposal.width / natural);
    size *= scale;

    Layout result;
    double limit = proposal.width.value_or(INFINITY);
    std::size_t current = 0; // characters on the line being filled
    for (std::size_t start = 0; start <= text.size();) {
      std::size_t end = std::min(text.find(' ', start), text.size());
      std::size_t word = count(text.substr(start, end - start));
      std::size_t joined = current == 0 ? word : current + 1 + word;
      start = end + 1;
      if (current > 0 && widthOf(joined) > limit) {
        result.lineWidths.push_back(widthOf(current));
        current = word;
      } else {
        current = joined;
      }
    }
    result.lineWidths.push_back(widthOf(current));
    bool truncated = false;
    if (style.lineLimit && result.lineWidths.size() > std::size_t(*style.lineLimit)) {
      result.lineWidths.resize(std::size_t(*style.lineLimit));
      truncated = true;
    }
    for (double &w : result.lineWidths)
      if (w > limit)
        w = limit, truncated = true;
    int lines = int(result.lineWidths.size());
    double lineHeight = 1.2 * size, first = 0.95 * size;
    result.metrics = {{*std::max_element(result.lineWidths.begin(), result.lineWidths.end()),
                       lines * lineHeight + (lines - 1) * style.lineSpacing},
                      first,
                      first + (lines - 1) * (lineHeight + style.lineSpacing),
                      scale,
                      truncated,
                      lines};
    return result;
  }

  TextMetrics measure(std::string_view text, const TextStyle &style,
                      ProposedSize proposal) const override {
    ++measureCount;
    return layout(text, style, proposal).metrics;
  }

  void draw(cairo_t *cr, std::string_view text, const TextStyle &style,
            const Rect &frame) const override {
    Layout l = layout(text, style, ProposedSize::of(frame.size));
    double lineHeight = l.metrics.size.height / std::max(1, l.metrics.lineCount);
    for (std::size_t i = 0; i < l.lineWidths.size(); ++i)
      cairo_rectangle(cr, frame.minX(), frame.minY() + double(i) * lineHeight, l.lineWidths[i],
                      lineHeight);
    cairo_fill(cr);
  }

  std::string resolvedFaceName(const Font &font) const override {
    return "Fake-" + (font.name.empty() ? std::string("System") : font.name);
  }

  mutable int measureCount = 0;

private:
  static std::size_t count(std::string_view text) {
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) {
      return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
  }
};

} // namespace kit::ui::testing
