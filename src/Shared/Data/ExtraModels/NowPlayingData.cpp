#include "Shared/Data/ExtraModels/NowPlayingData.h"

namespace zavel {

const NowPlayingData &NowPlayingData::sample() {
  static const NowPlayingData sample{NowPlayingSnapshot::sample(), true};
  return sample;
}

NowPlayingData NowPlayingData::nothingPlaying(kit::foundation::Date date) {
  return {{"Nothing Playing", "Press play to open Music", 0, 0, false, date}, false};
}

} // namespace zavel
