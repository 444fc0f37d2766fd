#include "kit/events/CalendarFolder.h"

#include "kit/foundation/FileContents.h"
#include "kit/foundation/Utf8.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace kit::events {

namespace {

namespace fs = std::filesystem;

// A larger file is no single event or reminder; reading it would only cost memory.
constexpr std::uintmax_t kMaxFileSize = 8 << 20;

std::vector<fs::path> sortedEntries(const fs::path &folder) {
  std::vector<fs::path> entries;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (it->path().filename().string().front() != '.')
      entries.push_back(it->path());
  std::sort(entries.begin(), entries.end());
  return entries;
}

bool isCalendarFileName(const fs::path &path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".ics";
}

bool everyEventHasAStart(icalcomponent *calendar) {
  auto events = childComponents(calendar, ICAL_VEVENT_COMPONENT);
  return std::all_of(events.begin(), events.end(), [](icalcomponent *event) {
    return !propertiesOf(event, ICAL_DTSTART_PROPERTY).empty();
  });
}

bool holdsAnItem(icalcomponent *calendar) {
  return !childComponents(calendar, ICAL_VEVENT_COMPONENT).empty() ||
         !childComponents(calendar, ICAL_VTODO_COMPONENT).empty();
}

std::vector<icalcomponent *> calendarsOf(icalcomponent *root) {
  if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT)
    return {root};
  if (icalcomponent_isa(root) != ICAL_XROOT_COMPONENT)
    return {};
  return childComponents(root, ICAL_VCALENDAR_COMPONENT);
}

} // namespace

std::optional<std::string> readCalendarText(const fs::path &path) {
  return foundation::readRegularFile(path, kMaxFileSize);
}

std::vector<icalcomponent *> CalendarFile::calendars() const { return calendarsOf(root.get()); }

IcalComponentPtr parseCalendarText(std::string_view text) {
  // libical reads a C string: an embedded NUL would silently cut the file short.
  if (text.find('\0') != std::string_view::npos)
    return nullptr;
  IcalComponentPtr root(icalparser_parse_string(std::string(text).c_str()));
  if (!root)
    return nullptr;
  auto calendars = calendarsOf(root.get());
  if (calendars.empty() || !std::all_of(calendars.begin(), calendars.end(), everyEventHasAStart) ||
      !std::any_of(calendars.begin(), calendars.end(), holdsAnItem))
    return nullptr;
  return root;
}

std::vector<CalendarFile> readCalendarFolder(const fs::path &folder) {
  std::vector<CalendarFile> files;
  for (const auto &calendar : sortedEntries(folder)) {
    std::error_code error;
    if (!fs::is_directory(calendar, error))
      continue;
    for (const auto &path : sortedEntries(calendar)) {
      if (!isCalendarFileName(path))
        continue;
      auto text = readCalendarText(path);
      auto root = text ? parseCalendarText(*text) : nullptr;
      if (!root)
        continue;
      files.push_back({foundation::sanitizedUtf8(calendar.filename().string()),
                       foundation::sanitizedUtf8(path.filename().string()), path, std::move(root)});
    }
  }
  return files;
}

} // namespace kit::events
