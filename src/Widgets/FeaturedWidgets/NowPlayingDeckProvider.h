#pragma once

#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Shared/Views/FeaturedViews/NowPlayingData.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

#include <filesystem>

namespace zavel {

using NowPlayingEntry = ZavelEntry<NowPlayingData>;

// The timeline of the now-playing deck and the remote: the host's record as it is, or, while a
// track of known length plays, one entry every 15 seconds with the position advanced, up to the
// track's end and for at most 285 seconds; asked for again after two minutes.
struct NowPlayingDeckProvider {
  using Intent = CasingConfigIntent;
  using Entry = NowPlayingEntry;

  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};

  Entry placeholder(const kit::widgets::TimelineContext &context) const;
  // In the gallery the sample, reading nothing; otherwise the record as stored.
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const;
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &context) const;

private:
  // The stored record and whether it is loved, or nothing playing when none can be read.
  NowPlayingData current() const;
};

} // namespace zavel
