#pragma once

// What a laid-out widget gets wrong about its texts and the marks it draws on the casing, judged
// from how each is drawn (its lines, whether it was cut), not from its string:
// - a label is drawn on one line, with a line limit of one;
// - a data text (a numeral, time, temperature, percentage or count) is one line and not cut, and
//   every text in the numeral font is marked as data;
// - a text on a device screen stays inside it; one on the casing stays inside the widget;
// - a text never crosses a ring's line, and one on a capsule clears its rounded ends;
// - a text or a lit mark drawn on the casing reads against the casing beneath it (4.5:1 for a
//   primary text, 3:1 for every other), and on cream every unlit mark is lighter than every lit
//   one;
// - a text or a glyph drawn on the accent (a badge, an accent key) or on a light key reads
//   against it at 3:1;
// - a line holding an emoji is at most 1.25 times as tall as the same line without it.

#include "Shared/Views/ZavelSize.h"
#include "kit/ui/LaidOutTree.h"

#include <string>
#include <vector>

namespace zavel::testing {

// Each fault in words, naming the text or mark; none when the widget is sound.
std::vector<std::string> textFaults(const kit::ui::LaidOutTree &tree, ZavelSize size, bool cream,
                                    const kit::ui::Color &accent);

// Each of `strings` that no text of the widget draws whole (within a text that is not cut).
std::vector<std::string> cutStrings(const kit::ui::LaidOutTree &tree,
                                    const std::vector<std::string> &strings);

} // namespace zavel::testing
