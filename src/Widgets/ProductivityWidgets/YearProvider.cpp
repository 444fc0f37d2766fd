#include "Widgets/ProductivityWidgets/YearProvider.h"

#include "Widgets/ProductivityWidgets/NextMidnight.h"

namespace zavel {

using kit::foundation::Date;
using kit::widgets::ReloadPolicy;
using kit::widgets::Timeline;
using kit::widgets::TimelineContext;

YearEntry YearProvider::placeholder(const TimelineContext &) const {
  Date now = clock.now();
  return {now, now, CasingOption::followApp};
}

YearEntry YearProvider::snapshot(const Intent &configuration, const TimelineContext &) const {
  Date now = clock.now();
  return {now, now, configuration.casing};
}

Timeline<YearEntry> YearProvider::timeline(const Intent &configuration,
                                           const TimelineContext &context) const {
  YearEntry entry = snapshot(configuration, context);
  return {{entry}, ReloadPolicy::after(nextMidnight(entry.date))};
}

} // namespace zavel
