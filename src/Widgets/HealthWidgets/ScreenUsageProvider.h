#pragma once

#include "Shared/Data/Models/UsageSnapshot.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace zavel {

using UsageEntry = ZavelEntry<UsageSnapshot>;

// The timeline of the four screen-time widgets: today's usage from the host's log against the
// daily budget, read again ten minutes later. Without usage a timeline shows none against the
// budget, while a snapshot shows the sample.
struct ScreenUsageTimeline {
  using Intent = CasingConfigIntent;
  using Data = UsageSnapshot;

  // The daily budget in minutes, written by the host application.
  static constexpr std::string_view budgetKey = "zavel.screenTimeBudgetMinutes";

  kit::foundation::Clock clock = {};
  std::filesystem::path home = kit::foundation::zavelHome();

  // The stored budget when above 0, else 480 minutes; read anew at every call.
  int64_t budget() const;

  kit::foundation::Date now() const { return clock.now(); }
  static const UsageSnapshot &sample() { return UsageSnapshot::sample(); }
  // Today's usage, else the sample.
  UsageSnapshot live(const Intent &configuration, kit::foundation::Date now) const;
  kit::widgets::Timeline<UsageEntry> timeline(const Intent &configuration) const;
};

using ScreenUsageProvider = GalleryOrLiveProvider<ScreenUsageTimeline>;

} // namespace zavel
