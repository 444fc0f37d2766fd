#pragma once

#include "Shared/Data/ExtraModels/NowPlayingData.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The remote: the track on a short screen above the previous, play/pause and next keys.
struct RemoteView {
  NowPlayingData data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
