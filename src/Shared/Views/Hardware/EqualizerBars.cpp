#include "Shared/Views/Hardware/EqualizerBars.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ViewRanges.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <cmath>

namespace zavel {
namespace {

using namespace kit::ui;

constexpr double barWidth = 6, barGap = 5, barRadius = 3, meterHeight = 38;
constexpr int fewestBars = 18;
// Far more than the widest widget holds; a tiny unit must not ask for unbounded bars.
constexpr int mostBars = 256;

// How many bars fit in `width` points; none when the unit gives no sensible count.
int barCount(double width, double u) {
  if (!(u > 0))
    return 0;
  double fitting = (width + barGap * u) / ((barWidth + barGap) * u);
  if (!std::isfinite(fitting))
    return 0;
  return static_cast<int>(std::clamp(std::floor(fitting), double(fewestBars), double(mostBars)));
}

// A fixed pseudo-random height from 8 to 38 design units, the same on every render.
int patternHeight(int i) { return (37 * i) % 23 + (13 * i) % 9 + 8; }

View bar(int i, bool playing, double u) {
  double raw = playing ? patternHeight(i) : patternHeight(i) * 0.35;
  return RoundedRectangle(barRadius * u, RoundedCornerStyle::continuous)
      .fill(ZavelTokens::dataTeal)
      .frame(barWidth * u, u * std::min(raw, meterHeight));
}

} // namespace

View EqualizerBars(bool playing, const ZCtx &ctx) {
  double u = ctx.u;
  return GeometryReader([=](const GeometryProxy &geometry) {
           View bars = ForEach(indices(barCount(geometry.size.width, u)),
                               [&](int i) { return bar(i, playing, u); });
           return HStack(VAlign::bottom, barGap * u, {bars})
               .frame(geometry.size.width, geometry.size.height, Alignment::bottomLeading);
         })
      .frame({.height = meterHeight * u});
}

} // namespace zavel
