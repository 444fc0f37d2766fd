#pragma once

#include "Shared/Data/Models/UsageSnapshot.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace zavel {

using UsageEntry = ZavelEntry<UsageSnapshot>;

// The timeline of the four screen-time widgets: today's usage from the host's log against the
// daily budget, read again ten minutes later. Without usage a timeline shows none against the
// budget, while a snapshot shows the sample.
struct ScreenUsageProvider {
  using Intent = CasingConfigIntent;
  using Entry = UsageEntry;

  // The daily budget in minutes, written by the host application.
  static constexpr std::string_view budgetKey = "zavel.screenTimeBudgetMinutes";

  kit::foundation::Clock clock = {};
  std::filesystem::path home = kit::foundation::zavelHome();

  // The stored budget when above 0, else 480 minutes; read anew at every call.
  int64_t budget() const;

  Entry placeholder(const kit::widgets::TimelineContext &context) const;
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const;
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &context) const;
};

} // namespace zavel
