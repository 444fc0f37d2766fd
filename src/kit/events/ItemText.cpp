#include "kit/events/ItemText.h"

#include "kit/foundation/Utf8.h"

namespace kit::events {

std::optional<std::string> itemText(const char *text) {
  if (!text)
    return std::nullopt;
  return foundation::sanitizedUtf8(text);
}

std::string uidOf(icalcomponent *component) {
  return itemText(icalcomponent_get_uid(component)).value_or("");
}

std::string baseId(const CalendarFile &file, const std::string &uid) {
  return file.calendar + "/" + (uid.empty() ? file.fileName : uid);
}

std::optional<icalproperty_status> statusOf(icalcomponent *component) {
  auto statuses = propertiesOf(component, ICAL_STATUS_PROPERTY);
  if (statuses.empty())
    return std::nullopt;
  return icalproperty_get_status(statuses.front());
}

bool isCancelled(icalcomponent *component) { return statusOf(component) == ICAL_STATUS_CANCELLED; }

} // namespace kit::events
