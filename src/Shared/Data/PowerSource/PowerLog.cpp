#include "Shared/Data/PowerSource/PowerLog.h"

#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/Saturating.h"

#include <algorithm>

#include <fmt/format.h>

namespace zavel::PowerLog {

using kit::foundation::wholeRounded;

namespace {

using kit::foundation::Date;
using PowerSource::InternalBattery;

// Unplugged sooner than this after the last snapshot, the drain would be mostly noise.
constexpr double kDrainMinimumHours = 0.2;

bool isSameDay(Date a, Date b, const kit::foundation::Calendar &calendar) {
  return calendar.startOfDay(a) == calendar.startOfDay(b);
}

// The stored log, unless it belongs to another day.
std::optional<Stored> todaysLog(std::optional<Stored> stored, Date now,
                                const kit::foundation::Calendar &calendar) {
  if (stored && !stored->entries.empty() && !isSameDay(stored->entries.back().time, now, calendar))
    return std::nullopt;
  return stored;
}

std::string disconnectedMessage(const Stored &last, int64_t percent, Date now) {
  double hours = now.timeIntervalSince(last.lastAt) / 3600;
  if (!(hours > kDrainMinimumHours))
    return "Disconnected from power";
  double drop = static_cast<double>(last.lastPercent) - static_cast<double>(percent);
  return fmt::format("Disconnected · Drain {}%/h",
                     std::max<int64_t>(0, wholeRounded(drop / hours)));
}

// The events between the stored state and the present one. Connection follows external power,
// so a battery held full on the charger is still connected.
std::vector<std::string> transitions(const Stored &last, const InternalBattery &current, Date now) {
  std::vector<std::string> messages;
  bool wasConnected = last.lastOnExternalPower.value_or(last.lastCharging);
  if (wasConnected && !current.onExternalPower)
    messages.push_back(disconnectedMessage(last, current.percent, now));
  else if (!wasConnected && current.onExternalPower)
    messages.push_back("Connected to power");
  if (current.percent == 100 && last.lastPercent < 100)
    messages.push_back("Fully charged at 100%");
  return messages;
}

std::string presentMessage(const InternalBattery &current) {
  if (!current.remaining)
    return fmt::format("{}%", current.percent);
  return fmt::format("{}% · {} remaining", current.percent, *current.remaining);
}

// The log that follows `last` (none: a new day) with the present state.
Stored advanced(const std::optional<Stored> &last, const InternalBattery &current, Date now) {
  std::vector<PowerSnapshot::LogEntry> entries;
  if (last) {
    std::copy_if(last->entries.begin(), last->entries.end(), std::back_inserter(entries),
                 [](const PowerSnapshot::LogEntry &entry) { return !entry.isCurrent; });
    for (auto &message : transitions(*last, current, now))
      entries.push_back({now, std::move(message), false});
  }
  if (entries.size() > maximumEvents)
    entries.erase(entries.begin(), entries.end() - static_cast<std::ptrdiff_t>(maximumEvents));
  entries.push_back({now, presentMessage(current), true});
  return {.entries = std::move(entries),
          .lastPercent = current.percent,
          .lastCharging = current.isCharging,
          .lastAt = now,
          .lastOnExternalPower = current.onExternalPower};
}

} // namespace

std::vector<PowerSnapshot::LogEntry> record(const std::optional<InternalBattery> &current,
                                            const PowerSource::Environment &environment,
                                            const kit::foundation::Calendar &calendar) {
  if (!current)
    return {};
  Date now = environment.clock.now();
  // Read and written in one transaction, so snapshots of several widgets at once each see the
  // state the one before stored, and no event is lost or told twice.
  std::optional<Stored> next;
  SharedSuite::updateRecord<Stored>(
      key,
      [&](std::optional<Stored> &stored) {
        stored = next = advanced(todaysLog(std::move(stored), now, calendar), *current, now);
        return true;
      },
      environment.home);
  // A store that could not be opened for writing still shows the log as it would have become.
  if (!next)
    next = advanced(todaysLog(SharedSuite::read<Stored>(key, environment.home), now, calendar),
                    *current, now);
  return next->entries;
}

} // namespace zavel::PowerLog
