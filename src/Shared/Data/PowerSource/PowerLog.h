#pragma once

#include "Shared/Data/Models/PowerSnapshot.h"
#include "Shared/Data/PowerSource/PowerSource.h"
#include "kit/foundation/Calendar.h"

#include <optional>
#include <string_view>
#include <vector>

// The day's power events (plugged in, unplugged with the drain since, fully charged) and a line
// for the present state, kept in the shared suite and rewritten at every power snapshot.
namespace zavel::PowerLog {

inline constexpr std::string_view key = "zavel.powerlog.v1";

// At most this many events are kept, the oldest dropped first.
inline constexpr size_t maximumEvents = 6;

// The stored log with the state of the snapshot that wrote it.
struct Stored {
  // The events, oldest first, then the line for the state at `lastAt`.
  std::vector<PowerSnapshot::LogEntry> entries;
  int64_t lastPercent = 0;
  bool lastCharging = false;
  kit::foundation::Date lastAt;
  // On external power at `lastAt`. Logs written before it was kept lack it; their charging
  // flag stands in for it.
  std::optional<bool> lastOnExternalPower;

  bool operator==(const Stored &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{
        field("entries", &Stored::entries), field("lastPercent", &Stored::lastPercent),
        field("lastCharging", &Stored::lastCharging), field("lastAt", &Stored::lastAt),
        field("lastOnExternalPower", &Stored::lastOnExternalPower)};
  }
};

// Adds the events since the stored state to today's log, stores it with the present state and
// returns it (at most 6 events and the present line). A log from another day of `calendar` is
// started afresh. Without a battery the log is empty and the store is not touched.
std::vector<PowerSnapshot::LogEntry>
record(const std::optional<PowerSource::InternalBattery> &current,
       const PowerSource::Environment &environment = {},
       const kit::foundation::Calendar &calendar = kit::foundation::Calendar::current());

} // namespace zavel::PowerLog
