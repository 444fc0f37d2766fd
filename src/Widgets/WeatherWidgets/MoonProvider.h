#pragma once

#include "Shared/Data/ExtraModels/MoonInfo.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"

#include "kit/foundation/Clock.h"

namespace zavel {

using MoonEntry = ZavelEntry<MoonInfo>;

// The timeline of the moon widget: the phase at the moment of the request, worked out on the
// device, asked for again twelve hours later.
struct MoonTimeline {
  using Intent = CasingConfigIntent;
  using Data = MoonInfo;

  kit::foundation::Clock clock;

  kit::foundation::Date now() const { return clock.now(); }
  // A waxing gibbous moon six days from full, whatever the date.
  static const MoonInfo &sample() { return MoonInfo::sample(); }
  // The phase at `now`.
  MoonInfo live(const Intent &configuration, kit::foundation::Date now) const;
  kit::widgets::Timeline<MoonEntry> timeline(const Intent &configuration) const;
};

// In the gallery the sample; otherwise tonight's phase.
using MoonProvider = GalleryOrLiveProvider<MoonTimeline>;

} // namespace zavel
