#include "Widgets/WeatherWidgets/MoonProvider.h"

#include "Shared/Data/SkyMath.h"
#include "Widgets/Shell/SteppedEntries.h"

namespace zavel {

using kit::widgets::ReloadPolicy;
using kit::widgets::Timeline;
using kit::widgets::TimelineContext;

namespace {

// The phase changes slowly enough for two readings a day.
constexpr int reloadMinutes = 12 * 60;

} // namespace

const MoonInfo &MoonProvider::previewSample() {
  static const MoonInfo sample{"Waxing Gibbous", 0.78, true, 6, 21};
  return sample;
}

MoonEntry MoonProvider::placeholder(const TimelineContext &) const {
  return {clock.now(), previewSample(), CasingOption::followApp};
}

MoonEntry MoonProvider::snapshot(const Intent &configuration,
                                 const TimelineContext &context) const {
  kit::foundation::Date now = clock.now();
  return {now, context.isPreview ? previewSample() : SkyMath::moon(now), configuration.casing};
}

Timeline<MoonEntry> MoonProvider::timeline(const Intent &configuration,
                                           const TimelineContext &) const {
  kit::foundation::Date now = clock.now();
  return {{{now, SkyMath::moon(now), configuration.casing}},
          ReloadPolicy::after(minutesAfter(now, reloadMinutes))};
}

} // namespace zavel
