#include "Widgets/HealthWidgets/ScreenUsageProvider.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/UsageLog.h"
#include "Widgets/Shell/SteppedEntries.h"

namespace zavel {

using kit::foundation::Date;
using kit::widgets::ReloadPolicy;

namespace {

constexpr int64_t defaultBudget = 8 * 60;
constexpr int reloadMinutes = 10;

} // namespace

int64_t ScreenUsageTimeline::budget() const {
  int64_t stored = SharedSuite::open(home).integer(budgetKey);
  return stored > 0 ? stored : defaultBudget;
}

UsageSnapshot ScreenUsageTimeline::live(const Intent &, Date) const {
  return UsageLog::snapshot(budget(), clock, home).value_or(sample());
}

kit::widgets::Timeline<UsageEntry>
ScreenUsageTimeline::timeline(const Intent &configuration) const {
  Date now = clock.now();
  auto usage = UsageLog::snapshot(budget(), clock, home);
  // Nothing logged: none of today's time used, against the budget.
  UsageSnapshot shown = usage ? *usage : UsageSnapshot{0, budget(), {}, {}};
  return {{{now, shown, configuration.casing}},
          ReloadPolicy::after(minutesAfter(clock.now(), reloadMinutes))};
}

} // namespace zavel
