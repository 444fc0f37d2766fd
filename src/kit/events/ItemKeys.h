#pragma once

#include "kit/events/CalendarFolder.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>

namespace kit::events {

// Which item of a reading a component with a UID belongs to: the one of its UID within its
// calendar. (A component without a UID is an item of its own.)
class ItemKeys {
public:
  // The index of the component's item, and whether the component is the first of it; a first
  // component's item takes the index `next`.
  std::pair<std::size_t, bool> find(const CalendarFile &file, const std::string &uid,
                                    std::size_t next);

  // The id of a component without a UID, once every component with one has been found: its
  // baseId, with "/1" added for as long as a UID of its calendar gives that id. No baseId ends
  // in "/1", so no two components share an id, and each keeps its id from one reading to the
  // next while the calendar's UIDs stay.
  std::string uidlessId(const CalendarFile &file, const ItemComponent &item) const;

private:
  using Keys = std::unordered_map<std::string, std::size_t>;
  std::unordered_map<std::string, Keys> byCalendar_;
  const std::string *lastCalendar_ = nullptr;
  Keys *last_ = nullptr;
};

} // namespace kit::events
