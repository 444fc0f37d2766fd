#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kit::events {

// The properties the readers take from an event or a to-do; every other one is passed over.
enum class PropertyName : std::uint8_t {
  uid,
  summary,
  location,
  status,
  dtstart,
  dtend,
  duration,
  due,
  completed,
  recurrenceId,
  rrule,
  rdate,
  exdate,
};

// One value of a property as the file writes it, folding undone, with the parameters the readers
// use. A property holding a list (RDATE, EXDATE) gives one of these per value.
struct Property {
  PropertyName name = PropertyName::uid;
  // VALUE=PERIOD: the value is a start and an end or a duration. A day or a time is told by its
  // form, whatever VALUE says, as libical reads it.
  bool periodValue = false;
  std::string tzid; // the TZID parameter, quotes taken off
  std::string value;

  bool operator==(const Property &) const = default;
};

enum class ComponentKind : std::uint8_t { event, todo };

// A VEVENT or VTODO directly inside a VCALENDAR, with the properties it gives in file order.
// Properties that hold one value are kept only where they first appear, as only that one is read.
struct ItemComponent {
  ComponentKind kind = ComponentKind::event;
  // Its position among the file's components of its kind.
  std::size_t index = 0;
  // Without a UID: its position among the file's components of its kind that have none.
  std::size_t uidlessIndex = 0;
  std::vector<Property> properties;

  const Property *first(PropertyName name) const;
  std::vector<const Property *> all(PropertyName name) const;
};

} // namespace kit::events
