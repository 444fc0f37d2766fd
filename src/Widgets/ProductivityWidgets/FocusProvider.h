#pragma once

#include "Shared/Data/ExtraModels/FocusSession.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"

#include <filesystem>

namespace zavel {

using FocusEntry = ZavelEntry<FocusSession>;

// The focus timer's timeline: while a session runs, an entry a minute up to an hour and one at
// its end, so the view turns to done when it ends, asked for again when the done state is over;
// otherwise one entry, asked for again an hour later.
struct FocusTimeline {
  using Intent = CasingConfigIntent;
  using Data = FocusSession;

  // Where the session is stored, and when "now" is.
  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};

  kit::foundation::Date now() const { return clock.now(); }
  static const FocusSession &sample() { return FocusSession::sample(); }
  // The stored session, else none running of 25 minutes.
  FocusSession live(const Intent &configuration, kit::foundation::Date now) const;
  kit::widgets::Timeline<FocusEntry> timeline(const Intent &configuration) const;
};

// In the gallery the sample; otherwise the stored session.
using FocusProvider = GalleryOrLiveProvider<FocusTimeline>;

} // namespace zavel
