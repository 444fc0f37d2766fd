#pragma once

#include "Shared/Data/ExtraModels/NowPlayingData.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"

#include <filesystem>

namespace zavel {

using NowPlayingEntry = ZavelEntry<NowPlayingData>;

// The timeline of the now-playing deck and the remote: the host's record as it is, or, while a
// track of known length plays, one entry every 15 seconds with the position advanced, up to the
// track's end and for at most 285 seconds; asked for again after two minutes.
struct NowPlayingDeckTimeline {
  using Intent = CasingConfigIntent;
  using Data = NowPlayingData;

  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};

  kit::foundation::Date now() const { return clock.now(); }
  static const NowPlayingData &sample() { return NowPlayingData::sample(); }
  // The stored record and whether it is loved, or nothing playing at `now` when none can be read.
  NowPlayingData live(const Intent &configuration, kit::foundation::Date now) const;
  kit::widgets::Timeline<NowPlayingEntry> timeline(const Intent &configuration) const;
};

// In the gallery the sample, reading nothing; otherwise the record as stored.
using NowPlayingDeckProvider = GalleryOrLiveProvider<NowPlayingDeckTimeline>;

} // namespace zavel
