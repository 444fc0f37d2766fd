#include "Shared/Data/ClockFormat.h"
#include "Shared/Data/EventSync/DayWindow.h"
#include "Shared/Data/EventSync/EventStoreAccess.h"
#include "Shared/Data/EventSync/EventSync.h"
#include "kit/foundation/Utf8.h"

#include <algorithm>
#include <limits>

namespace zavel::EventSync {

namespace {

using kit::events::Reminder;
using kit::foundation::Date;

// Completed reminders shown before the open ones: the latest ones.
constexpr size_t kCompletedShown = 2;

// The due moment in seconds; an undated reminder counts as due at `undated`.
double dueSeconds(const Reminder &reminder, double undated) {
  return reminder.due ? reminder.due->date.secondsSinceReferenceDate : undated;
}

// How a reminder's time reads: in the current zone, by the 12/24-hour choice read once for the
// whole snapshot.
struct TimeText {
  kit::foundation::TimeZone zone;
  bool twentyFourHour;
};

ReminderItem itemOf(const Reminder &reminder, bool done, Date now, const TimeText &times) {
  // A calendar's folder name may be any bytes; the stored snapshot needs text.
  ReminderItem item{.id = kit::foundation::sanitizedUtf8(reminder.id),
                    .title = reminder.title.value_or("Untitled"),
                    .time = std::nullopt,
                    .done = done,
                    .isUrgent = false};
  if (!reminder.due)
    return item;
  item.isUrgent = ReminderItem::isUrgentAt(reminder.due->date, done, now);
  if (reminder.due->hasTime)
    item.time = ClockFormat::hhmm(reminder.due->date, times.zone, times.twentyFourHour);
  return item;
}

} // namespace

RemindersSnapshot remindersSnapshot(std::vector<Reminder> open, const std::vector<Reminder> &done,
                                    Date now, const std::filesystem::path &home) {
  constexpr double undatedIsLast = std::numeric_limits<double>::infinity();
  std::stable_sort(open.begin(), open.end(), [](const Reminder &a, const Reminder &b) {
    return dueSeconds(a, undatedIsLast) < dueSeconds(b, undatedIsLast);
  });
  TimeText times{kit::foundation::TimeZone::current(), ClockFormat::uses24Hour(home)};
  RemindersSnapshot snapshot;
  auto shownDone = done.size() > kCompletedShown
                       ? done.end() - static_cast<std::ptrdiff_t>(kCompletedShown)
                       : done.begin();
  for (auto reminder = shownDone; reminder != done.end(); ++reminder)
    snapshot.items.push_back(itemOf(*reminder, true, now, times));
  for (const auto &reminder : open)
    snapshot.items.push_back(itemOf(reminder, false, now, times));
  auto next = std::find_if(open.begin(), open.end(), [&](const Reminder &reminder) {
    return reminder.due && reminder.due->date > now;
  });
  if (next != open.end()) {
    snapshot.nextUp = itemOf(*next, false, now, times);
    snapshot.minutesToNext = RemindersSnapshot::minutesUntil(next->due->date, now);
  }
  return snapshot;
}

RemindersSnapshot readReminders(const Environment &environment) {
  auto now = environment.clock.now();
  auto day = DayWindow::of(now, kit::foundation::Calendar::current());
  // Open reminders due by the end of today, overdue ones included; those completed today. Both
  // come from one reading of the calendars.
  auto lists = openEventStore(environment)
                   .reminderLists({std::nullopt, day.end},
                                  kit::events::EventStore::Undated::excluded, {day.start, day.end});
  return remindersSnapshot(std::move(lists.incomplete), lists.completed, now, environment.home);
}

} // namespace zavel::EventSync
