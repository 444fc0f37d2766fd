#include "Shared/Views/WeatherViews/WeatherRainView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/BarChart.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/ScreenHeader.h"
#include "Shared/Views/SpreadRow.h"
#include "kit/foundation/Saturating.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>
#include <numeric>
#include <set>
#include <span>

namespace zavel {

using kit::foundation::wholeTruncated;

namespace {

using namespace kit::ui;

constexpr std::size_t barCount = 12;
constexpr std::size_t mostLabels = 7;
// The height of every bar when no hour is known.
constexpr double unknownChance = 0.1;

// Stored chances may come from anywhere: keep them a fraction, and something that is not a
// number none at all.
double storedChance(double chance) {
  return std::isfinite(chance) ? std::clamp(chance, 0.0, 1.0) : 0;
}

// Twelve heights stretched over the hours known: straight lines between neighbouring hours, the
// first and last bars on the end hours.
std::vector<double> barHeights(const std::vector<WeatherSnapshot::RainHour> &hours) {
  std::vector<double> c;
  for (const WeatherSnapshot::RainHour &hour : hours)
    c.push_back(storedChance(hour.chance));
  std::size_t n = c.size();
  if (n < 2)
    return std::vector<double>(barCount, n == 1 ? c[0] : unknownChance);
  std::vector<double> bars;
  for (std::size_t i = 0; i < barCount; ++i) {
    double x = double(i) / double(barCount - 1) * double(n - 1);
    std::size_t j = std::min(n - 2, std::size_t(x));
    double f = x - double(j);
    bars.push_back((1 - f) * c[j] + f * c[j + 1]);
  }
  return bars;
}

// The two highest bars; of equal ones the earlier.
std::set<std::size_t> peakIndices(const std::vector<double> &values) {
  std::vector<std::size_t> order(values.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return values[a] > values[b]; });
  order.resize(std::min<std::size_t>(2, order.size()));
  return {order.begin(), order.end()};
}

struct Bar {
  double height = 0; // a fraction of the chart
  Color color;
  double opacity = 1;
};

std::vector<Bar> bars(const WeatherSnapshot &data, Color accent) {
  std::vector<double> heights = barHeights(data.rainHours);
  std::set<std::size_t> peaks = peakIndices(heights);
  std::vector<Bar> bars;
  for (std::size_t i = 0; i < heights.size(); ++i) {
    double h = heights[i];
    double shade = h >= 0.5 ? 1 : h >= 0.3 ? 0.7 : h >= 0.16 ? 0.55 : 0.45;
    bars.push_back(peaks.contains(i) ? Bar{h, accent, 1} : Bar{h, ZavelTokens::dataTeal, shade});
  }
  return bars;
}

std::span<const WeatherSnapshot::RainHour> labelledHours(const WeatherSnapshot &data) {
  return std::span(data.rainHours).first(std::min(mostLabels, data.rainHours.size()));
}

std::string percentText(double chance) {
  // The whole part of the percentage; the nudge keeps a stored 0.29 (28.999… times 100) at 29.
  return fmt::format("{}%", wholeTruncated(storedChance(chance) * 100 + 1e-9));
}

// A bar as high as its share of a chart `chartHeight` points high, as wide as its column.
View barView(const Bar &bar, double chartHeight, const ZCtx &ctx) {
  return RoundedRectangle(4 * ctx.u, RoundedCornerStyle::continuous)
      .fill(bar.color)
      .opacity(bar.opacity)
      .frame({.maxWidth = infinity})
      .frame({.height = barHeight(bar.height, chartHeight, ctx)});
}

// The bars side by side, sharing the width.
View barChart(const std::vector<Bar> &bars, const ZCtx &ctx) {
  return BarChart(bars, 7 * ctx.u, [ctx](const Bar &bar, double chartHeight) {
    return barView(bar, chartHeight, ctx);
  });
}

} // namespace

View WeatherRainView::body() const {
  double u = ctx.u;
  return ScreenColumn(ctx, mediumColumn,
                      {
                          ScreenHeader("RAIN — NEXT 12H",
                                       Text(percentText(data.rainChance))
                                           .font(ctx.mono(18, FontWeight::bold))
                                           .foreground(ZavelTokens::dataTeal),
                                       ctx),
                          barChart(bars(data, ctx.accent), ctx).padding(Edge::top, 16 * u),
                          SpreadRow(VAlign::center, labelledHours(data),
                                    [&](const WeatherSnapshot::RainHour &hour) {
                                      return MicroLabel(hour.label, 8, 0.14,
                                                        ZavelTokens::screenText3, ctx);
                                    })
                              .padding(Edge::top, 10 * u),
                      });
}

} // namespace zavel
