#pragma once

#include "Shared/Data/ExtraModels/InboxSnapshot.h"
#include "Shared/Data/ExtraModels/QuoteItem.h"
#include "Shared/Data/ExtraModels/StopwatchState.h"
#include "Widgets/Shell/LocalProvider.h"

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"

#include <filesystem>

namespace zavel {

// The productivity widgets whose record is read at once: where they read it, and when "now" is.

// The stored stopwatch, else a stopped one; renewed hourly (a running time counts by itself).
LocalProvider<StopwatchState>
StopwatchLocalProvider(const std::filesystem::path &home = kit::foundation::zavelHome(),
                       const kit::foundation::Clock &clock = {});

// The quotation of the day; renewed every six hours, so a new day's may come that late.
LocalProvider<QuoteItem> QuoteLocalProvider(const kit::foundation::Clock &clock = {});

// The host application's mail summary, else an empty, unconnected one; renewed every 15 minutes.
LocalProvider<InboxSnapshot>
InboxLocalProvider(const std::filesystem::path &home = kit::foundation::zavelHome(),
                   const kit::foundation::Clock &clock = {});

} // namespace zavel
