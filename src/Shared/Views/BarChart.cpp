#include "Shared/Views/BarChart.h"

#include "kit/ui/UI.h"

#include <algorithm>

namespace zavel {

using namespace kit::ui;

View BarChart(double spacing, std::function<View(double height)> columns) {
  return GeometryReader([spacing, columns = std::move(columns)](const GeometryProxy &geometry) {
    double height = geometry.size.height;
    return HStack(VAlign::bottom, spacing, {columns(height)})
        .frame(geometry.size.width, height, Alignment::bottom);
  });
}

double barHeight(double share, double chartHeight, const ZCtx &ctx) {
  return std::max(share * chartHeight, 4 * ctx.u);
}

View ChartBar(double height, double radius, Color color, const ZCtx &ctx) {
  return RoundedRectangle(radius * ctx.u, RoundedCornerStyle::continuous)
      .fill(color)
      .frame({.height = height});
}

} // namespace zavel
