#pragma once

#include "kit/events/Ical.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit::events {

// One parsed .ics file of a calendar folder.
struct CalendarFile {
  std::string calendar; // the folder's name
  std::string fileName;
  std::filesystem::path path; // as found while listing the folder; never made from an item's id
  IcalComponentPtr root;      // a VCALENDAR, or several under an XROOT

  // The VCALENDAR components of the file, in order.
  std::vector<icalcomponent *> calendars() const;
};

// The text of a calendar file; none when it is not a regular file, is too large to be one event
// or reminder (8 MiB), or cannot be read.
std::optional<std::string> readCalendarText(const std::filesystem::path &path);

// Parses the text of a calendar file. None when libical cannot read it as a calendar holding an
// event or a to-do, or when one of its events has no start.
IcalComponentPtr parseCalendarText(std::string_view text);

// Every readable calendar file below `folder`: one subfolder per calendar, files named *.ics,
// calendars and files in name order. Hidden entries (temporary files among them) are passed over;
// files that do not parse are skipped. Call with libical locked.
std::vector<CalendarFile> readCalendarFolder(const std::filesystem::path &folder);

} // namespace kit::events
