#include "Shared/Views/WeatherViews/WeatherRainView.h"

#include "Shared/Data/Models/WholeNumbers.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/ScreenHeader.h"
#include "Shared/Views/WeatherViews/SpreadRow.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>
#include <numeric>

namespace zavel {

using namespace kit::ui;

namespace {

constexpr std::size_t barCount = 12;
constexpr std::size_t mostLabels = 7;
// The height of every bar when no hour is known.
constexpr double unknownChance = 0.1;

// Stored chances may come from anywhere: keep them a fraction, and something that is not a
// number none at all.
double storedChance(double chance) {
  return std::isfinite(chance) ? std::clamp(chance, 0.0, 1.0) : 0;
}

} // namespace

std::vector<double> WeatherRainView::bars() const {
  std::vector<double> c;
  for (const WeatherSnapshot::RainHour &hour : data.rainHours)
    c.push_back(storedChance(hour.chance));
  std::size_t n = c.size();
  if (n < 2)
    return std::vector<double>(barCount, n == 1 ? c[0] : unknownChance);
  // Straight lines between neighbouring hours, the first and last bars on the end hours.
  std::vector<double> bars;
  for (std::size_t i = 0; i < barCount; ++i) {
    double x = double(i) / double(barCount - 1) * double(n - 1);
    std::size_t j = std::min(n - 2, std::size_t(x));
    double f = x - double(j);
    bars.push_back((1 - f) * c[j] + f * c[j + 1]);
  }
  return bars;
}

std::set<std::size_t> WeatherRainView::peakIndices() const {
  std::vector<double> values = bars();
  std::vector<std::size_t> order(values.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return values[a] > values[b]; });
  order.resize(std::min<std::size_t>(2, order.size()));
  return {order.begin(), order.end()};
}

std::vector<std::string> WeatherRainView::axisLabels() const {
  std::vector<std::string> labels;
  std::size_t count = std::min(mostLabels, data.rainHours.size());
  for (std::size_t i = 0; i < count; ++i)
    labels.push_back(data.rainHours[i].label);
  return labels;
}

WeatherRainView::BarStyle WeatherRainView::barStyle(double value, std::size_t index) const {
  if (peakIndices().contains(index))
    return {ctx.accent, 1};
  if (value >= 0.5)
    return {ZavelTokens::dataTeal, 1};
  if (value >= 0.3)
    return {ZavelTokens::dataTeal, 0.7};
  if (value >= 0.16)
    return {ZavelTokens::dataTeal, 0.55};
  return {ZavelTokens::dataTeal, 0.45};
}

std::string WeatherRainView::percentText() const {
  // The whole part of the percentage; the nudge keeps a stored 0.29 (28.999… times 100) at 29.
  double percent = storedChance(data.rainChance) * 100;
  return fmt::format("{}%", wholeTruncated(percent + 1e-9));
}

View WeatherRainView::barChart() const {
  std::vector<double> values = bars();
  std::vector<BarStyle> styles;
  for (std::size_t i = 0; i < values.size(); ++i)
    styles.push_back(barStyle(values[i], i));
  double u = ctx.u;
  return GeometryReader([=](const GeometryProxy &geometry) {
    double h = geometry.size.height;
    std::vector<View> columns;
    for (std::size_t i = 0; i < values.size(); ++i)
      columns.push_back(RoundedRectangle(4 * u, RoundedCornerStyle::continuous)
                            .fill(styles[i].color)
                            .opacity(styles[i].opacity)
                            .frame({.maxWidth = infinity})
                            .frame({.height = std::max(values[i] * h, 4 * u)}));
    return HStack(VAlign::bottom, 7 * u, std::move(columns))
        .frame(geometry.size.width, h, Alignment::bottom);
  });
}

View WeatherRainView::body() const {
  double u = ctx.u;
  std::vector<View> labels;
  for (const std::string &label : axisLabels())
    labels.push_back(MicroLabel(label, 8, 0.14, ZavelTokens::screenText3, ctx));
  return DeviceScreen(ctx, VStack(HAlign::center, 0,
                                  {
                                      ScreenHeader("RAIN — NEXT 12H",
                                                   Text(percentText())
                                                       .font(ctx.mono(18, FontWeight::bold))
                                                       .foreground(ZavelTokens::dataTeal),
                                                   ctx),
                                      barChart().padding(Edge::top, 16 * u),
                                      SpreadRow(VAlign::center, labels).padding(Edge::top, 10 * u),
                                  })
                               .padding(Edge::vertical, 22 * u)
                               .padding(Edge::horizontal, 26 * u)
                               .frame(Frame::fill(Alignment::top)));
}

} // namespace zavel
