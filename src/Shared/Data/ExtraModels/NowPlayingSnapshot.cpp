#include "Shared/Data/ExtraModels/NowPlayingSnapshot.h"

#include "kit/foundation/Clock.h"

namespace zavel {

std::optional<NowPlayingSnapshot::Interval> NowPlayingSnapshot::trackInterval() const {
  if (durationSeconds < 1)
    return std::nullopt;
  auto start = updated.addingTimeInterval(-static_cast<double>(positionSeconds));
  auto end = start.addingTimeInterval(static_cast<double>(durationSeconds));
  if (!(end > start))
    return std::nullopt;
  return Interval{start, end};
}

const NowPlayingSnapshot &NowPlayingSnapshot::sample() {
  static const NowPlayingSnapshot sample{
      "Harbour Lights", "The Night Ferries", 192, 245, true, kit::foundation::systemNow()};
  return sample;
}

} // namespace zavel
