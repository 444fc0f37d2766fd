#include "FuzzSupport.h"
#include "Harnesses.h"

#include "kit/events/EventStore.h"
#include "kit/foundation/WriteFailureObserver.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace zavel::fuzz {

namespace {

using kit::events::EventStore;

// A month around the night the clocks change.
constexpr kit::foundation::Date kStart{fuzzNow.secondsSinceReferenceDate - 14 * 86400};
constexpr kit::foundation::Date kEnd{fuzzNow.secondsSinceReferenceDate + 14 * 86400};

std::filesystem::path calendarFile(const std::filesystem::path &calendars) {
  std::filesystem::create_directories(calendars / "Home");
  return calendars / "Home" / "item.ics";
}

// The id of what completing `reminder` completed at fuzzNow: itself, or, for a repeating one,
// its current occurrence, under the series' id and that occurrence's.
std::optional<std::string> completedNow(const EventStore &store, const std::string &id) {
  for (const auto &done : store.completedReminders({fuzzNow, fuzzNow.addingTimeInterval(1)}))
    if (done.id == id || done.id.starts_with(id + "#"))
      return done.id;
  return std::nullopt;
}

std::string fileText() {
  std::ifstream in(calendarFile(kit::events::calendarsFolder(fuzzingHome())), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Sets the reminder back. A repeating one reopened as a whole completes one occurrence next, which
// a series without a UID, or one its file stops inside, refuses; a refusal writes nothing.
void undo(const EventStore &store, const std::string &id, bool completed) {
  bool refused = false;
  kit::foundation::WriteFailureObserver failures([&](const kit::foundation::WriteFailure &failure) {
    for (std::string_view why : {"without a UID", "before its END:VTODO"})
      refused = refused || failure.reason.find(why) != std::string::npos;
  });
  auto before = fileText();
  if (store.setCompleted(id, completed, fuzzNow) == EventStore::SaveResult::saved)
    return;
  require(refused, "a saved completion cannot be undone");
  require(fileText() == before, "a refused completion changed its file");
}

// Completing a reminder and opening it again leaves it as it was read.
void toggleCompletion(const EventStore &store, const kit::events::Reminder &reminder) {
  if (store.setCompleted(reminder.id, !reminder.completed, fuzzNow) !=
      EventStore::SaveResult::saved)
    return;
  std::optional<std::string> changed = reminder.id;
  if (reminder.completed) {
    auto reopened = store.reminder(reminder.id);
    require(!reopened || !reopened->completed, "a saved reopening does not read back");
    if (!reopened)
      return; // an occurrence of a repeating reminder, open again within its series
  } else {
    changed = completedNow(store, reminder.id);
    require(changed.has_value(), "a saved completion does not read back");
  }
  undo(store, *changed, reminder.completed);
}

} // namespace

int fuzzCalendarFile(const std::uint8_t *data, std::size_t size) {
  auto calendars = kit::events::calendarsFolder(fuzzingHome());
  std::ofstream(calendarFile(calendars), std::ios::binary | std::ios::trunc) << textOf(data, size);
  EventStore store(calendars, "Europe/Oslo", kit::foundation::Clock::fixed(fuzzNow));
  // As the agenda reads, each event giving no more than the six it can show; every occurrence
  // only over an hour, where an every-second series gives thousands rather than millions.
  auto firstSix = store.events(kStart, kEnd, 6);
  auto hour = store.events(fuzzNow, fuzzNow.addingTimeInterval(3600));
  for (const auto *events : {&firstSix, &hour})
    for (size_t i = 0; i < events->size(); ++i) {
      require((*events)[i].end >= (*events)[i].start, "an event that ends before it starts");
      require(i == 0 || (*events)[i - 1].start <= (*events)[i].start, "occurrences out of order");
    }
  auto open = store.incompleteReminders({kStart, kEnd}, EventStore::Undated::included);
  auto done = store.completedReminders({kStart, kEnd});
  for (const auto *reminders : {&open, &done})
    for (const auto &reminder : *reminders)
      toggleCompletion(store, reminder);
  return 0;
}

} // namespace zavel::fuzz
