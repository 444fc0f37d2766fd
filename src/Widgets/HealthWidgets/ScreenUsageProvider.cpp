#include "Widgets/HealthWidgets/ScreenUsageProvider.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/UsageLog.h"
#include "Widgets/Shell/SteppedEntries.h"

namespace zavel {

using kit::widgets::ReloadPolicy;
using kit::widgets::Timeline;
using kit::widgets::TimelineContext;

namespace {

constexpr int64_t defaultBudget = 8 * 60;
constexpr int reloadMinutes = 10;

} // namespace

int64_t ScreenUsageProvider::budget() const {
  int64_t stored = SharedSuite::open(home).integer(budgetKey);
  return stored > 0 ? stored : defaultBudget;
}

UsageEntry ScreenUsageProvider::placeholder(const TimelineContext &) const {
  return {clock.now(), UsageSnapshot::sample(), CasingOption::followApp};
}

UsageEntry ScreenUsageProvider::snapshot(const Intent &configuration,
                                         const TimelineContext &context) const {
  kit::foundation::Date now = clock.now();
  if (context.isPreview)
    return {now, UsageSnapshot::sample(), configuration.casing};
  return {now, UsageLog::snapshot(budget(), clock, home).value_or(UsageSnapshot::sample()),
          configuration.casing};
}

Timeline<UsageEntry> ScreenUsageProvider::timeline(const Intent &configuration,
                                                   const TimelineContext &) const {
  kit::foundation::Date now = clock.now();
  auto usage = UsageLog::snapshot(budget(), clock, home);
  // Nothing logged: none of today's time used, against the budget.
  UsageSnapshot shown = usage ? *usage : UsageSnapshot{0, budget(), {}, {}};
  return {{{now, shown, configuration.casing}},
          ReloadPolicy::after(minutesAfter(clock.now(), reloadMinutes))};
}

} // namespace zavel
