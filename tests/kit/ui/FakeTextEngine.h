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
    std::vector<std::size_t> words = wordLengths(text);
    double natural = lineWidth(count(text), size, style.tracking);
    double scale = 1;
    if (proposal.width && natural > *proposal.width && style.minimumScaleFactor < 1)
      scale = std::max(style.minimumScaleFactor, *proposal.width / natural);
    size *= scale;

    Layout result;
    double limit = proposal.width.value_or(INFINITY);
    std::size_t current = 0;
    for (std::size_t word : words) {
      std::size_t joined = current == 0 ? word : current + 1 + word;
      if (current > 0 && lineWidth(joined, size, style.tracking) > limit) {
        result.lineWidths.push_back(lineWidth(current, size, style.tracking));
        current = word;
      } else {
        current = joined;
      }
    }
    result.lineWidths.push_back(lineWidth(current, size, style.tracking));
    bool truncated = false;
    if (style.lineLimit && result.lineWidths.size() > std::size_t(*style.lineLimit)) {
      result.lineWidths.resize(std::size_t(*style.lineLimit));
      truncated = true;
    }
    for (double &w : result.lineWidths) {
      if (w > limit) {
        w = limit;
        truncated = true;
      }
    }
    int lines = int(result.lineWidths.size());
    double lineHeight = 1.2 * size;
    double width = *std::max_element(result.lineWidths.begin(), result.lineWidths.end());
    double height = lines * lineHeight + (lines - 1) * style.lineSpacing;
    double first = 0.95 * size;
    result.metrics = {
        {width, height}, first,     first + (lines - 1) * (lineHeight + style.lineSpacing),
        scale,           truncated, lines};
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
  static std::vector<std::size_t> wordLengths(std::string_view text) {
    std::vector<std::size_t> words;
    std::size_t start = 0;
    while (start <= text.size()) {
      std::size_t end = text.find(' ', start);
      if (end == std::string_view::npos)
        end = text.size();
      words.push_back(count(text.substr(start, end - start)));
      start = end + 1;
    }
    return words;
  }
  static double lineWidth(std::size_t characters, double size, double tracking) {
    return double(characters) * (0.6 * size + tracking);
  }
};

} // namespace kit::ui::testing
