#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zavel {

// What the host application's music player plays, as the host last wrote it.
struct NowPlayingSnapshot {
  std::string title;
  std::string artist;
  int64_t positionSeconds = 0; // as it was at `updated`
  int64_t durationSeconds = 0; // below 1: the length is unknown
  bool isPlaying = false;
  kit::foundation::Date updated;

  // A closed span of wall-clock time, `end` after `start`.
  struct Interval {
    kit::foundation::Date start;
    kit::foundation::Date end;
    bool operator==(const Interval &) const = default;
  };

  // The current track from its start to its end on the wall clock, so a timer over it runs
  // without new entries; none when the length is unknown. The position is taken as stored, even
  // when it lies beyond the track.
  std::optional<Interval> trackInterval() const;

  static const NowPlayingSnapshot &sample();

  bool operator==(const NowPlayingSnapshot &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    using R = NowPlayingSnapshot;
    return std::tuple{field("title", &R::title),
                      field("artist", &R::artist),
                      field("positionSeconds", &R::positionSeconds),
                      field("durationSeconds", &R::durationSeconds),
                      field("isPlaying", &R::isPlaying),
                      field("updated", &R::updated)};
  }
};

} // namespace zavel
