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

// "<calendar>/<UID>". An item without a UID is one of its own, named by its file and its place
// there, which no reading or toggle changes: "<calendar>/<file name>", and for the second and
// later of the file's items of its kind without one "<calendar>/<file name>/2" and on.
std::string baseId(const CalendarFile &file, const ItemComponent &item);

// Numbers each item without a UID among those of its kind in the file (uidlessIndex).
void numberUidlessItems(ItemList &items);

// The STATUS the item gives, upper-cased, if any.
std::optional<std::string> statusOf(const ItemComponent &item);

bool isCancelled(const ItemComponent &item);

// Whether a to-do is completed: STATUS decides when it gives one (RFC 5545 §3.8.1.11); otherwise
// a completion time (COMPLETED, §3.8.2.1) marks it finished.
bool isCompleted(const ItemComponent &todo);

} // namespace kit::events
