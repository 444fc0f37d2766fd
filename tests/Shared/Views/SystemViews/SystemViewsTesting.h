#pragma once

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ViewTesting.h"

#include <string>
#include <vector>

namespace zavel::testing {

// An accent that differs from every token the views use of their own.
inline const kit::ui::Color gold = ZavelTokens::gold;

// One meter row as laid out: its two texts with their colours, and its bar.
struct Meter {
  std::string label;
  std::string figure;
  kit::ui::Paint labelPaint;
  kit::ui::Paint figurePaint;
  kit::ui::Paint fillPaint;
  double filled = 0; // the fill's share of the track's width
  double dot = 0;    // the fill's width against its height: 1 for a bare dot

  bool lit(kit::ui::Color color) const { return fillPaint == kit::ui::Paint{color}; }
};

// The meters of a list whose texts are `headings` (above the rows) followed by a label and a
// figure per row, each row with a track and its fill.
inline std::vector<Meter> meters(const kit::ui::LaidOutTree &tree, std::size_t headings = 0) {
  std::vector<const kit::ui::LaidOutNode *> texts = tree.root.findAll("Text"),
                                            bars = tree.root.findAll("Capsule");
  std::vector<Meter> rows;
  for (std::size_t i = headings; i + 1 < texts.size(); i += 2) {
    std::size_t b = 2 * rows.size();
    if (b + 1 >= bars.size())
      break;
    const kit::ui::Rect track = bars[b]->frame, fill = bars[b + 1]->frame;
    rows.push_back({run(*texts[i]).text, run(*texts[i + 1]).text, run(*texts[i]).paint,
                    run(*texts[i + 1]).paint, bars[b + 1]->as<kit::ui::ShapeDraw>()->paint,
                    fill.size.width / track.size.width, fill.size.width / fill.size.height});
  }
  return rows;
}

} // namespace zavel::testing
