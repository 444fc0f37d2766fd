#include "Shared/Views/Hardware/Bars.h"

#include "kit/ui/UI.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace zavel {
namespace {

using namespace kit::ui;

View capsule(Color color) { return Capsule(RoundedCornerStyle::continuous).fill(color); }

// A track across the offered width with a bar drawn over it; `bar` gets the measured width.
View barOnTrack(double height, Color track, std::function<View(double width)> bar) {
  return GeometryReader([=](const GeometryProxy &geometry) {
           double w = geometry.size.width;
           return ZStack(Alignment::leading, {capsule(track).frame(w, height), bar(w)});
         })
      .frame({.height = height});
}

double filledWidth(double fraction, double w) {
  if (fraction >= 1)
    return w;
  if (fraction >= 0)
    return w * fraction;
  return 0; // negative, or not a number
}

double finiteOrZero(double value) { return std::isfinite(value) ? value : 0; }

} // namespace

View TrackBar(double fraction, const BarStyle &style, const ZCtx &ctx) {
  double barHeight = style.height * ctx.u;
  return barOnTrack(barHeight, style.track, [=](double w) {
    return capsule(style.fill).frame(std::max(barHeight, filledWidth(fraction, w)), barHeight);
  });
}

View RangeBar(double start, double length, const BarStyle &style, const ZCtx &ctx) {
  double barHeight = style.height * ctx.u;
  // Callers derive these by division; a non-finite one would move the segment nowhere sensible.
  double from = finiteOrZero(start), span = finiteOrZero(length);
  return barOnTrack(barHeight, style.track, [=](double w) {
    return capsule(style.fill).frame(std::max(barHeight, w * span), barHeight).offset(w * from, 0);
  });
}

} // namespace zavel
