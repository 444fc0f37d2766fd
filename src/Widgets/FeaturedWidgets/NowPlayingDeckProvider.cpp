#include "Widgets/FeaturedWidgets/NowPlayingDeckProvider.h"

#include "Shared/Data/DeckState.h"
#include "Shared/Data/MediaIntents/MediaBridge.h"
#include "Widgets/Shell/SteppedEntries.h"
#include "kit/foundation/Saturating.h"

#include <algorithm>

namespace zavel {

using kit::foundation::Date;
using kit::foundation::saturatingAdd;
using kit::foundation::wholeTruncated;
using kit::widgets::ReloadPolicy;

namespace {

constexpr int reloadMinutes = 2;
constexpr int64_t stepSeconds = 15;
constexpr int mostEntries = 20;

// Where a playing track is at `now`, from where it was when the record was stamped. A position
// stored below 0 counts as the start, and a record stamped ahead of `now` as just stamped.
int64_t positionAt(const NowPlayingSnapshot &record, Date now) {
  int64_t elapsed = std::max<int64_t>(wholeTruncated(now.timeIntervalSince(record.updated)), 0);
  int64_t stored = std::max<int64_t>(record.positionSeconds, 0);
  return std::min(record.durationSeconds, saturatingAdd(stored, elapsed));
}

// The track advancing every 15 seconds until it ends.
std::vector<NowPlayingEntry> playingEntries(const NowPlayingData &data, Date now,
                                            CasingOption casing) {
  int64_t duration = data.now.durationSeconds;
  int64_t start = positionAt(data.now, now);
  std::vector<NowPlayingEntry> entries;
  for (int k = 0; k < mostEntries; ++k) {
    int64_t position = saturatingAdd(start, stepSeconds * k);
    NowPlayingEntry entry{now.addingTimeInterval(double(stepSeconds * k)), data, casing};
    entry.data.now.positionSeconds = std::min(duration, position);
    entry.data.now.updated = entry.date;
    entries.push_back(std::move(entry));
    if (position >= duration)
      break;
  }
  return entries;
}

} // namespace

NowPlayingData NowPlayingDeckTimeline::live(const Intent &, Date now) const {
  std::optional<NowPlayingSnapshot> record = MediaBridge::nowPlaying(home);
  if (!record)
    return NowPlayingData::nothingPlaying(now);
  bool liked = DeckState::likedTracks(home).contains(record->title + "|" + record->artist);
  return {std::move(*record), liked};
}

kit::widgets::Timeline<NowPlayingEntry>
NowPlayingDeckTimeline::timeline(const Intent &configuration) const {
  Date now = clock.now();
  NowPlayingData data = live(configuration, now);
  std::vector<NowPlayingEntry> entries;
  if (data.now.isPlaying && data.now.durationSeconds >= 1)
    entries = playingEntries(data, now, configuration.casing);
  else
    entries.push_back({now, data, configuration.casing});
  return {std::move(entries), ReloadPolicy::after(minutesAfter(clock.now(), reloadMinutes))};
}

} // namespace zavel
