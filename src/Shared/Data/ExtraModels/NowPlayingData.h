#pragma once

#include "Shared/Data/ExtraModels/NowPlayingSnapshot.h"

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <tuple>

namespace zavel {

// What the now-playing deck and the remote draw: the host's record and whether the track is
// loved.
struct NowPlayingData {
  NowPlayingSnapshot now;
  bool liked = false;

  // The sample record, loved; built once per process.
  static const NowPlayingData &sample();
  // What the decks show while the host shares no record: nothing playing, stamped `date`.
  static NowPlayingData nothingPlaying(kit::foundation::Date date);

  bool operator==(const NowPlayingData &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("now", &NowPlayingData::now), field("liked", &NowPlayingData::liked)};
  }
};

} // namespace zavel
