#include "Widgets/ProductivityWidgets/CountdownProvider.h"

#include "Widgets/ProductivityWidgets/NextMidnight.h"

namespace zavel {

using kit::foundation::Date;
using kit::widgets::ReloadPolicy;
using kit::widgets::Timeline;
using kit::widgets::TimelineContext;

namespace {

CountdownData configured(const CountdownConfigIntent &configuration) {
  return {configuration.name, configuration.target};
}

} // namespace

CountdownEntry CountdownProvider::placeholder(const TimelineContext &) const {
  return {clock.now(), CountdownData::sample(), CasingOption::followApp};
}

CountdownEntry CountdownProvider::snapshot(const Intent &configuration,
                                           const TimelineContext &context) const {
  return {clock.now(), context.isPreview ? CountdownData::sample() : configured(configuration),
          configuration.casing};
}

Timeline<CountdownEntry> CountdownProvider::timeline(const Intent &configuration,
                                                     const TimelineContext &) const {
  Date now = clock.now();
  return {{{now, configured(configuration), configuration.casing}},
          ReloadPolicy::after(nextMidnight(now))};
}

} // namespace zavel
