#pragma once

#include "kit/events/CalendarFolder.h"

#include <optional>
#include <string>

namespace kit::events {

// Text of a calendar item as the rest of the system reads it: valid UTF-8, absent when the file
// has none.
std::optional<std::string> itemText(const char *text);

// The UID of a component, empty when it has none.
std::string uidOf(icalcomponent *component);

// "<calendar>/<UID>", or "<calendar>/<file name>" for an item without a UID.
std::string baseId(const CalendarFile &file, const std::string &uid);

// The STATUS the component gives, if any.
std::optional<icalproperty_status> statusOf(icalcomponent *component);

bool isCancelled(icalcomponent *component);

} // namespace kit::events
