#include "Widgets/ProductivityWidgets/CountdownProvider.h"

#include "Widgets/ProductivityWidgets/NextMidnight.h"

namespace zavel {

using kit::foundation::Date;

CountdownData CountdownTimeline::live(const Intent &configuration, Date) {
  return {configuration.name, configuration.target};
}

kit::widgets::Timeline<CountdownEntry>
CountdownTimeline::timeline(const Intent &configuration) const {
  Date now = clock.now();
  return {{{now, live(configuration, now), configuration.casing}},
          kit::widgets::ReloadPolicy::after(nextMidnight(now))};
}

} // namespace zavel
