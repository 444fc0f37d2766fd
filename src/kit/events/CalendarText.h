#pragma once

#include "kit/events/ItemComponent.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit::events {

// Real calendar files nest three deep (a calendar, an event, an alarm); anything much deeper is
// no calendar, and is refused before any part of it is parsed.
inline constexpr std::size_t kMaxNesting = 16;

// A VTIMEZONE directly inside a calendar, as the lines a zone is made of: its TZID, and each
// observance's BEGIN and END, onset, offsets and recurrence, each as "NAME:value" (the name in
// upper case, parameters left out), ended by CRLF.
struct ZoneText {
  std::string lines;
  // The changes it lists: each observance's onset, and each date of its RDATEs.
  std::int64_t changes = 0;
  // Its RRULEs.
  std::int64_t rules = 0;
};

// What the readers take from the text of one .ics file, in one pass over it.
struct CalendarText {
  // The events and to-dos directly inside its calendars, in file order, and what they keep.
  ItemList items;
  std::shared_ptr<const ItemProperties> properties;
  std::vector<ZoneText> zones;
  // How many property values were kept, each date of a list one, zone lines included.
  std::int64_t values = 0;
};

// The parts of a calendar file the readers use; none for text that nests components deeper than
// kMaxNesting, or of 4 GiB or more. Property names, parameter names and component names are read without regard to
// case; lines, parameters and components the readers have no use for are passed over unread, as
// is a property line holding a NUL (the format has none), alone.
std::optional<CalendarText> scanCalendarText(std::string_view text);

// Whether an unfolded content line whose name is `nameSize` bytes long reads as a property: its
// parameters well formed, a value after them. The readers pass over a line that does not.
bool readsAsProperty(std::string_view line, std::size_t nameSize);

} // namespace kit::events
