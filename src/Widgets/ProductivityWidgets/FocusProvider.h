#pragma once

#include "Shared/Data/ExtraModels/FocusSession.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

#include <filesystem>

namespace zavel {

using FocusEntry = ZavelEntry<FocusSession>;

// The focus timer's timeline: while a session runs, an entry a minute up to an hour and one at
// its end, so the view turns to done when it ends, asked for again when the done state is over;
// otherwise one entry, asked for again an hour later.
struct FocusProvider {
  using Intent = CasingConfigIntent;
  using Entry = FocusEntry;

  // Where the session is stored, and when "now" is.
  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};

  Entry placeholder(const kit::widgets::TimelineContext &context) const;
  // In the gallery the sample; otherwise the stored session.
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const;
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &context) const;

private:
  // The stored session, else none running of 25 minutes.
  FocusSession stored() const;
};

} // namespace zavel
