#pragma once

#include "kit/foundation/Date.h"

#include <optional>
#include <string>

namespace kit::events {

using foundation::Date;

enum class EntityType { event, reminder };

// Whether this process may read the calendars: the folder present and readable gives full
// access, no folder means the user has not set calendars up, anything else is denied.
enum class AuthorizationStatus { notDetermined, denied, fullAccess };

// A half-open span [start, end) of time; a missing bound leaves that side open.
struct DateRange {
  std::optional<Date> start;
  std::optional<Date> end;

  bool contains(Date date) const { return (!start || date >= *start) && (!end || date < *end); }
};

// One occurrence of an event. Every occurrence of a recurring event is its own item.
struct Event {
  // "<calendar>/<UID>"; an occurrence of a recurring event adds "#<its original start>".
  std::string id;
  std::string calendar; // the name of the calendar's folder
  std::optional<std::string> title;
  std::optional<std::string> location;
  Date start;
  Date end;              // never before start
  bool isAllDay = false; // starts and ends at local midnights

  bool operator==(const Event &) const = default;
};

struct DueDate {
  // The moment the reminder is due; a due day without a time is that day's local midnight.
  Date date;
  bool hasTime = true;

  bool operator==(const DueDate &) const = default;
};

struct Reminder {
  std::string id;       // "<calendar>/<UID>"
  std::string calendar; // the name of the calendar's folder
  std::optional<std::string> title;
  std::optional<DueDate> due;
  bool completed = false;
  std::optional<Date> completionDate; // only on completed reminders, when the file records it

  bool operator==(const Reminder &) const = default;
};

} // namespace kit::events
