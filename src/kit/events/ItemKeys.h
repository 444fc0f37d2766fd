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

private:
  using Keys = std::unordered_map<std::string, std::size_t>;
  std::unordered_map<std::string, Keys> byCalendar_;
  const std::string *lastCalendar_ = nullptr;
  Keys *last_ = nullptr;
};

} // namespace kit::events
