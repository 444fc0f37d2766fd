#pragma once

#include "Shared/Data/Models/CalendarSnapshot.h"
#include "Shared/Data/Models/RemindersSnapshot.h"
#include "Shared/Views/ViewTesting.h"

#include <optional>
#include <string>
#include <vector>

namespace zavel::testing {

// A reminder titled by its id.
inline ReminderItem reminder(std::string id, std::optional<std::string> time = std::nullopt,
                             bool done = false, bool urgent = false) {
  return {.id = id, .title = id, .time = std::move(time), .done = done, .isUrgent = urgent};
}
inline ReminderItem doneReminder(std::string id) { return reminder(std::move(id), "07:00", true); }

// An event titled by its id, from `start` to `end`.
inline EventItem event(std::string id, std::string start, std::optional<std::string> end,
                       std::optional<std::string> detail = std::nullopt, bool past = false,
                       bool next = false) {
  return {.id = id,
          .start = std::move(start),
          .end = std::move(end),
          .title = id,
          .detail = std::move(detail),
          .isPast = past,
          .isNext = next};
}

// The paint of a text or a filled or stroked shape.
inline kit::ui::Paint paintOf(const kit::ui::LaidOutNode &node) {
  if (const auto *text = node.as<kit::ui::TextRun>())
    return text->paint;
  const auto *shape = node.as<kit::ui::ShapeDraw>();
  return shape ? shape->paint : kit::ui::Paint{kit::ui::Color::clear};
}

} // namespace zavel::testing
