#include "kit/events/ItemKeys.h"

namespace kit::events {

std::pair<std::size_t, bool> ItemKeys::find(const CalendarFile &file, const std::string &uid,
                                            std::size_t next) {
  // The files of a calendar come one after another: its keys are looked up once per run.
  if (!lastCalendar_ || *lastCalendar_ != file.calendar) {
    last_ = &byCalendar_[file.calendar];
    lastCalendar_ = &file.calendar;
  }
  auto [at, added] = last_->try_emplace(uid, next);
  return {at->second, added};
}

} // namespace kit::events
