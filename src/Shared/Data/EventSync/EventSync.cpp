#include "Shared/Data/EventSync/EventSync.h"

#include "Shared/Data/EventSync/EventStoreAccess.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/TimeZone.h"

namespace zavel::EventSync {

using kit::events::AuthorizationStatus;
using kit::events::EntityType;

kit::events::EventStore openEventStore(const Environment &environment) {
  return kit::events::EventStore(kit::events::calendarsFolder(environment.home),
                                 kit::foundation::TimeZone::current(), environment.clock);
}

bool hasFullAccess(const kit::events::EventStore &store, EntityType type) {
  return store.authorizationStatus(type) == AuthorizationStatus::fullAccess;
}

namespace {

// A fresh reading, stored, with full access to items of `type`; otherwise the stored snapshot.
template <class Snapshot, class Read>
std::optional<Snapshot> load(const Environment &environment, EntityType type, std::string_view key,
                             Read read) {
  if (!hasFullAccess(openEventStore(environment), type))
    return SharedSuite::read<Snapshot>(key, environment.home);
  Snapshot snapshot = read(environment);
  SharedSuite::write(key, snapshot, environment.home);
  return snapshot;
}

} // namespace

std::optional<RemindersSnapshot> loadReminders(const Environment &environment) {
  return load<RemindersSnapshot>(environment, EntityType::reminder, remindersKey, readReminders);
}

std::optional<CalendarSnapshot> loadCalendar(const Environment &environment) {
  return load<CalendarSnapshot>(environment, EntityType::event, calendarKey, readCalendar);
}

void toggleReminder(std::string_view id, const Environment &environment) {
  // A failed save is dropped: the refresh shows the reminder as the store has it. The refresh
  // reads and stores under the file's lock, so no slower toggle of that file stores a reading
  // from before this one's write.
  openEventStore(environment).toggleCompleted(id, environment.clock.now(), [&] {
    loadReminders(environment);
  });
}

std::optional<RemindersSnapshot> storedReminders(const std::filesystem::path &home) {
  return SharedSuite::read<RemindersSnapshot>(remindersKey, home);
}

std::optional<CalendarSnapshot> storedCalendar(const std::filesystem::path &home) {
  return SharedSuite::read<CalendarSnapshot>(calendarKey, home);
}

} // namespace zavel::EventSync
