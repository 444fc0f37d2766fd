#include "Shared/Views/SystemViews/TickerView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/SpreadRow.h"
#include "Shared/Views/SystemViews/StockFigures.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <cmath>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace StockFigures;

constexpr ColumnStyle tickerColumn{
    .alignment = Alignment::topLeading, .vertical = 22, .horizontal = 26};

// Where the session's values lie between the line's top and bottom margins: each value's height
// above the lowest as a fraction of the span. A span that is not positive or not finite (all
// values equal and so large that the minimum step vanishes, or extremes too far apart for a
// double) would make every fraction NaN; the line then lies flat along the bottom margin.
std::vector<double> heights(const std::vector<double> &values) {
  double lo = values.empty() ? 0 : *std::min_element(values.begin(), values.end());
  double hi = values.empty() ? 1 : *std::max_element(values.begin(), values.end());
  double range = std::max(lo + 0.001, hi) - lo;
  std::vector<double> fractions;
  for (double value : values)
    fractions.push_back(range > 0 && std::isfinite(range) ? (value - lo) / range : 0);
  return fractions;
}

// The points' values joined by straight lines, the first at the left edge and the last at the
// right, the highest 5 % below the top and the lowest 5 % above the bottom.
Path sparklinePath(const std::vector<StockSnapshot::Point> &points, Size size) {
  std::vector<double> values;
  for (const StockSnapshot::Point &point : points)
    values.push_back(point.value);
  std::vector<double> fractions = heights(values);
  double d = static_cast<double>(std::max<std::size_t>(fractions.size(), 2) - 1);
  Path path;
  for (std::size_t i = 0; i < fractions.size(); ++i) {
    Point at{size.width * static_cast<double>(i) / d,
             size.height * (1 - 0.9 * fractions[i] - 0.05)};
    if (i == 0)
      path.move(at);
    else
      path.addLine(at);
  }
  return path;
}

View sparkline(const std::vector<StockSnapshot::Point> &points, const ZCtx &ctx) {
  double u = ctx.u;
  StrokeStyle style{.lineWidth = 1.6 * u, .lineCap = LineCap::round, .lineJoin = LineJoin::round};
  Color ink = ctx.casingShade(ZavelTokens::dataTeal);
  return GeometryReader([points, style, ink](const GeometryProxy &geometry) {
           return Shape(sparklinePath(points, geometry.size)).stroke(ink, style);
         })
      .frame({.height = 120 * u, .maxWidth = infinity});
}

std::vector<std::string> axisLabels(const std::vector<StockSnapshot::Point> &points) {
  std::vector<std::string> labels;
  for (const StockSnapshot::Point &point : points)
    if (point.label)
      labels.push_back(*point.label);
  return labels;
}

View header(const StockSnapshot &stock, const ZCtx &ctx) {
  return HStack(VAlign::firstTextBaseline,
                {
                    MicroLabel(stock.symbol, 12, 0.14, ctx.casingInk(), FontWeight::bold, ctx),
                    Spacer(),
                    HStack(VAlign::firstTextBaseline, 10 * ctx.u,
                           {
                               Text(priceText(stock.price)).font(ctx.mono(18, FontWeight::bold)),
                               Text(changeText(stock.changePercent))
                                   .font(ctx.mono(11, FontWeight::semibold))
                                   .foreground(changeColor(stock.changePercent, ctx)),
                           })
                        .textRole(TextRole::data),
                });
}

} // namespace

View TickerView::body() const {
  auto axisLabel = [&](const std::string &label) {
    return MicroLabel(label, 8, 0.14, ctx.casingInk(InkLevel::tertiary), ctx);
  };
  return PaddedColumn(ctx, tickerColumn,
                      {
                          header(data, ctx),
                          sparkline(data.points, ctx),
                          SpreadRow(VAlign::center, axisLabels(data.points), axisLabel)
                              .padding(Edge::top, 12 * ctx.u),
                      });
}

} // namespace zavel
