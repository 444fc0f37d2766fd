#pragma once

#include "kit/events/CalendarFolder.h"

#include <optional>
#include <string>
#include <string_view>

namespace kit::events {

// A TEXT value as the rest of the system reads it (RFC 5545 §3.3.11): escapes undone the way
// libical undoes them, valid UTF-8.
std::string textValue(std::string_view value);

// A title or a place is shown on one line: no more than this many bytes of it are read, so that
// a file holding megabytes of it costs no more than one that holds a line.
inline constexpr std::size_t kMaxItemText = 1024;

// The text of one of an item's properties (a SUMMARY, a LOCATION), cut at kMaxItemText between
// two characters; absent when the item has none.
std::optional<std::string> itemText(const ItemComponent &item, PropertyName name);

// The UID of an item, empty when it has none.
std::string uidOf(const ItemComponent &item);

// "<calendar>/<UID>", or "<calendar>/<file name>" for an item without a UID.
std::string baseId(const CalendarFile &file, const std::string &uid);

// The STATUS the item gives, upper-cased, if any.
std::optional<std::string> statusOf(const ItemComponent &item);

bool isCancelled(const ItemComponent &item);

} // namespace kit::events
