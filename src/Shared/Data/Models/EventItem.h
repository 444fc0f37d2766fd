#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace zavel {

// One timed calendar event of the day, identified by its calendar-store identifier.
struct EventItem {
  std::string id;
  // Start and end as clock texts.
  std::string start;
  std::optional<std::string> end;
  // "Untitled" when the event has none.
  std::string title;
  // The second line: "Done", or the length such as "Studio B · 45 min".
  std::optional<std::string> detail;
  // Ended before now.
  bool isPast = false;
  // The first event of the list that has not ended and starts after now.
  bool isNext = false;

  bool operator==(const EventItem &) const = default;

  // The second line of an event from `start` to `end`: "Done" once it has ended, otherwise its
  // whole minutes, after the first 24 characters of a location that is not empty.
  static std::string detailText(bool ended, kit::foundation::Date start, kit::foundation::Date end,
                                std::string_view location);

  // The three preview events, built once per process.
  static const std::vector<EventItem> &samples();

  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("id", &EventItem::id),         field("start", &EventItem::start),
                      field("end", &EventItem::end),       field("title", &EventItem::title),
                      field("detail", &EventItem::detail), field("isPast", &EventItem::isPast),
                      field("isNext", &EventItem::isNext)};
  }
};

} // namespace zavel
