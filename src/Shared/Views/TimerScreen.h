#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/IntentReference.h"
#include "kit/ui/View.h"

#include <string>

namespace zavel {

// What a tap-to-start timer shows: its caption and lamp, the time, the key behind the time,
// the hint and the key behind RESET.
struct TimerScreenParts {
  std::string caption;
  bool lit = false;
  kit::ui::Color lamp;
  // The time's text; it keeps a colour of its own, else takes the screen's.
  kit::ui::View time;
  kit::ui::IntentReference timeKey;
  std::string hint;
  kit::ui::IntentReference resetKey;
};

// The screen of a timer worked by taps: the caption with its lamp at the top, the big time (a
// key) in the middle, and the hint beside a RESET key at the bottom. The hint is one line: the
// timers' hints are short enough to read whole there, so the time and RESET keep their places.
kit::ui::View TimerScreen(const TimerScreenParts &parts, const ZCtx &ctx);

} // namespace zavel
