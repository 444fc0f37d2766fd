#include "Widgets/WeatherWidgets/MoonProvider.h"

#include "Shared/Data/SkyMath.h"
#include "Widgets/Shell/SteppedEntries.h"

namespace zavel {

using kit::foundation::Date;
using kit::widgets::ReloadPolicy;

namespace {

// The phase changes slowly enough for two readings a day.
constexpr int reloadMinutes = 12 * 60;

} // namespace

MoonInfo MoonTimeline::live(const Intent &, Date now) const { return SkyMath::moon(now); }

kit::widgets::Timeline<MoonEntry> MoonTimeline::timeline(const Intent &configuration) const {
  Date now = clock.now();
  return {{{now, live(configuration, now), configuration.casing}},
          ReloadPolicy::after(minutesAfter(now, reloadMinutes))};
}

} // namespace zavel
