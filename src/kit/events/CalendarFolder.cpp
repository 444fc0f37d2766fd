#include "kit/events/CalendarFolder.h"

#include "kit/events/CalendarText.h"
#include "kit/events/IcalTime.h"
#include "kit/foundation/FileContents.h"
#include "kit/foundation/TextOperations.h"
#include "kit/foundation/Utf8.h"

#include <algorithm>
#include <system_error>

namespace kit::events {

namespace {

namespace fs = std::filesystem;

// A larger file is no single event or reminder; reading it would only cost memory.
constexpr std::int64_t kMaxFileSize = 8 << 20;

// The names in a folder, in order; hidden ones left out.
std::vector<std::string> sortedNames(const fs::path &folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::string name = it->path().filename().string();
    if (name.front() != '.')
      names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool isCalendarFileName(std::string_view name) {
  return name.size() > 4 &&
         foundation::equalsIgnoringASCIICase(name.substr(name.size() - 4), ".ICS");
}

bool everyEventHasAStart(const std::vector<ItemComponent> &items) {
  return std::all_of(items.begin(), items.end(), [](const ItemComponent &item) {
    const Property *start = item.first(PropertyName::dtstart);
    return item.kind != ComponentKind::event || (start && holdsTime(*start));
  });
}

bool holds(const std::vector<ItemComponent> &items, ComponentKind kind) {
  return std::any_of(items.begin(), items.end(),
                     [&](const ItemComponent &item) { return item.kind == kind; });
}

// The file at `path` when it can be read within the reading's budget and holds an item of the
// kind the reading wants; none otherwise.
std::optional<CalendarFile> readFileAt(const fs::path &path, const std::string &calendar,
                                       const std::string &fileName, FolderReading &reading) {
  auto text = foundation::readRegularFile(path, std::min(kMaxFileSize, reading.budget.bytesLeft()));
  if (!text || !reading.budget.takeBytes(static_cast<std::int64_t>(text->size())))
    return std::nullopt;
  auto file = readCalendarFile(*text,
                               {.calendar = calendar,
                                .fileName = foundation::sanitizedUtf8(fileName),
                                .path = path,
                                .items = {},
                                .zones = {}},
                               reading);
  if (!file || file->items.empty())
    return std::nullopt;
  return file;
}

// Adds one calendar's files, in name order; true once `enough` holds for one of them.
bool addCalendarFiles(const fs::path &calendarFolder, const std::string &calendar,
                      FolderReading &reading,
                      const std::function<bool(const CalendarFile &)> &enough,
                      std::vector<CalendarFile> &files) {
  for (const auto &fileName : sortedNames(calendarFolder)) {
    if (!isCalendarFileName(fileName))
      continue;
    auto file = readFileAt(calendarFolder / fileName, calendar, fileName, reading);
    if (!file)
      continue;
    files.push_back(std::move(*file));
    if (enough && enough(files.back()))
      return true;
  }
  return false;
}

} // namespace

std::optional<std::string> readCalendarText(const fs::path &path) {
  return foundation::readRegularFile(path, kMaxFileSize);
}

std::optional<CalendarFile> readCalendarFile(std::string_view text, CalendarFile file,
                                             FolderReading &reading) {
  auto scanned = scanCalendarText(text);
  if (!scanned || scanned->items.empty() || !everyEventHasAStart(scanned->items))
    return std::nullopt;
  if (!holds(scanned->items, reading.wanted))
    return file;
  if (!reading.budget.takeValues(scanned->values))
    return std::nullopt;
  for (const auto &definition : scanned->zones) {
    auto zone = reading.zones.zone(definition, reading.budget);
    if (!zone)
      return std::nullopt;
    if (!zone->tzid.empty())
      file.zones.add(zone->tzid, zone->zone);
  }
  file.items = std::move(scanned->items);
  return file;
}

std::vector<CalendarFile>
readCalendarFolder(const fs::path &folder, FolderReading &reading, const std::string *calendar,
                   const std::function<bool(const CalendarFile &)> &enough) {
  std::vector<CalendarFile> files;
  for (const auto &folderName : sortedNames(folder)) {
    std::error_code error;
    std::string name = foundation::sanitizedUtf8(folderName);
    fs::path calendarFolder = folder / folderName;
    if ((calendar && name != *calendar) || !fs::is_directory(calendarFolder, error))
      continue;
    if (addCalendarFiles(calendarFolder, name, reading, enough, files))
      return files;
  }
  return files;
}

} // namespace kit::events
