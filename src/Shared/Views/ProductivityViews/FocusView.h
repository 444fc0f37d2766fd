#pragma once

#include "Shared/Data/ExtraModels/FocusSession.h"
#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/ui/View.h"

namespace zavel {

// The focus timer: the session's length while idle, a countdown while it runs, and a short
// done state after it ends. The phase is decided at the moment of rendering, the moment its
// countdown shows, so the two never disagree.
struct FocusView {
  enum class Phase { idle, running, done };

  FocusSession data;
  ZCtx ctx;

  // Running while the end lies ahead; done for the 15 minutes after it; idle otherwise.
  Phase phase(kit::foundation::Date now) const;
  kit::ui::View body() const;
};

} // namespace zavel
