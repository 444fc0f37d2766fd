#pragma once

#include "Shared/Data/ExtraModels/NowPlayingData.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

#include <cstdint>
#include <string>

namespace zavel {

// The now-playing deck: the track on its screen (title, artist, a level meter, the elapsed time
// on a track bar and the length) beside previous, next and love keys and the play/pause key.
struct NowPlayingDeckView {
  NowPlayingData data;
  ZCtx ctx;

  kit::ui::View body() const;

  // "M:SS" with the minutes neither padded nor capped ("75:05"); a negative count reads "0:00".
  static std::string timeLabel(int64_t seconds);
};

} // namespace zavel
