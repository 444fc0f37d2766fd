#include "kit/events/ItemKeys.h"

#include "kit/events/ItemText.h"

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

std::string ItemKeys::uidlessId(const CalendarFile &file, const ItemComponent &item) const {
  auto keys = byCalendar_.find(file.calendar);
  if (keys == byCalendar_.end())
    return baseId(file, item);
  // Ids are "<calendar>/<name>", the name of an item with a UID being its UID.
  std::string name = baseId(file, item).substr(file.calendar.size() + 1);
  while (keys->second.count(name))
    name += "/1";
  return file.calendar + "/" + name;
}

} // namespace kit::events
