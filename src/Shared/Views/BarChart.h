#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/Stacks.h"
#include "kit/ui/View.h"

#include <functional>

namespace zavel {

// A vertical bar chart: columns side by side on a common floor across the offered size,
// `spacing` points apart; `columns(height)` makes them for a chart `height` points high.
kit::ui::View BarChart(double spacing, std::function<kit::ui::View(double height)> columns);

// The same with one column per element of a range: `column(element, height)`.
template <class Range, class Column>
kit::ui::View BarChart(const Range &elements, double spacing, Column column) {
  return BarChart(spacing, [elements, column](double height) {
    return kit::ui::ForEach(elements, [&](const auto &element) { return column(element, height); });
  });
}

// How high a bar of `share` of a chart `chartHeight` points high stands: never under 4 units, so
// a bar of nothing still shows.
double barHeight(double share, double chartHeight, const ZCtx &ctx);

// One bar: a continuous rounded rectangle of `color`, `height` points high, its corners of
// `radius` design units.
kit::ui::View ChartBar(double height, double radius, kit::ui::Color color, const ZCtx &ctx);

} // namespace zavel
