#include "kit/events/CalendarFolder.h"

#include "kit/events/CalendarText.h"
#include "kit/events/IcalTime.h"
#include "kit/events/ItemText.h"
#include "kit/foundation/FileContents.h"
#include "kit/foundation/TextOperations.h"
#include "kit/foundation/Utf8.h"

#include <algorithm>
#include <numeric>
#include <system_error>

namespace kit::events {

namespace {

namespace fs = std::filesystem;

// Half the reading's bytes: a calendar exported whole into one file, with descriptions, is read
// beside the others.
constexpr std::int64_t kMaxFileSize = ReadingBudget::kBytes / 2;

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

bool holds(const ItemList &items, ComponentKind kind) {
  return std::any_of(items.begin(), items.end(),
                     [&](const ItemComponent &item) { return item.kind == kind; });
}

// A calendar file as listed.
struct ListedFile {
  std::string calendar;
  std::string fileName;
  fs::path path;
};

// The calendar files of the folder's calendars (of those named `calendar`, when given), in
// reading order: calendars, then their files, in name order.
std::vector<ListedFile> listedFiles(const fs::path &folder, const std::string *calendar) {
  std::vector<ListedFile> files;
  for (const auto &folderName : sortedNames(folder)) {
    std::error_code error;
    std::string name = foundation::escapedUtf8(folderName);
    fs::path calendarFolder = folder / folderName;
    if ((calendar && name != *calendar) || !fs::is_directory(calendarFolder, error))
      continue;
    for (const auto &fileName : sortedNames(calendarFolder))
      if (isCalendarFileName(fileName))
        files.push_back({name, fileName, calendarFolder / fileName});
  }
  return files;
}

// The files whose bytes fit in the reading's, smallest first (of equal sizes, the first in
// reading order): what is left out is never smaller than what is read.
std::vector<bool> admitted(const std::vector<ListedFile> &files) {
  std::vector<std::int64_t> sizes;
  for (const auto &file : files) {
    std::error_code error;
    std::uintmax_t size = fs::file_size(file.path, error);
    sizes.push_back(error ? ReadingBudget::kBytes + 1 : static_cast<std::int64_t>(size));
  }
  std::vector<std::size_t> bySize(files.size());
  std::iota(bySize.begin(), bySize.end(), std::size_t{0});
  std::stable_sort(bySize.begin(), bySize.end(),
                   [&](std::size_t a, std::size_t b) { return sizes[a] < sizes[b]; });
  std::vector<bool> admits(files.size(), false);
  std::int64_t left = ReadingBudget::kBytes;
  for (std::size_t at : bySize) {
    if (sizes[at] > left)
      break;
    left -= sizes[at];
    admits[at] = true;
  }
  return admits;
}

// The listed files read in order (of them those `admits` holds, when given) up to the first for
// which `enough` holds. Without `admits`, none as soon as a file's bytes do not fit in what is
// left of the reading's.
std::optional<std::vector<CalendarFile>>
readListed(const std::vector<ListedFile> &listed, FolderReading &reading,
           const std::function<bool(const CalendarFile &)> &enough,
           const std::vector<bool> *admits) {
  std::vector<CalendarFile> files;
  for (std::size_t at = 0; at < listed.size(); ++at) {
    if (admits && !(*admits)[at])
      continue;
    auto text = foundation::readRegularFile(listed[at].path, kMaxFileSize);
    if (!text)
      continue;
    if (!admits &&
        static_cast<std::int64_t>(text->size()) > reading.budget.left(ReadingBudget::bytes))
      return std::nullopt;
    auto file = readCalendarFile(*text,
                                 {.calendar = listed[at].calendar,
                                  .fileName = foundation::escapedUtf8(listed[at].fileName),
                                  .path = listed[at].path,
                                  .items = {},
                                  .properties = {},
                                  .zones = {},
                                  .account = {}},
                                 reading);
    if (!file || file->items.empty())
      continue;
    files.push_back(std::move(*file));
    if (enough && enough(files.back()))
      break;
  }
  return files;
}

} // namespace

std::optional<std::string> readCalendarText(const fs::path &path) {
  return foundation::readRegularFile(path, kMaxFileSize);
}

std::optional<CalendarFile> readCalendarFile(std::string_view text, CalendarFile file,
                                             FolderReading &reading) {
  file.account = std::make_shared<FileAccount>(reading.budget);
  if (!file.account->take(ReadingBudget::bytes, static_cast<std::int64_t>(text.size())))
    return std::nullopt;
  auto scanned = scanCalendarText(text);
  if (!scanned || scanned->items.empty())
    return std::nullopt;
  if (!holds(scanned->items, reading.wanted))
    return file;
  file.account->addItems(static_cast<std::int64_t>(scanned->items.size()));
  if (!file.account->take(ReadingBudget::values, scanned->values))
    return std::nullopt;
  for (const auto &definition : scanned->zones) {
    if (definition.changes > kMaxZoneChanges || definition.rules > kMaxZoneRules)
      return std::nullopt;
    file.zones.add(reading.zones.zone(definition.lines), file.account.get());
  }
  file.items = std::move(scanned->items);
  file.properties = std::move(scanned->properties);
  numberUidlessItems(file.items);
  return file;
}

std::vector<CalendarFile>
readCalendarFolder(const fs::path &folder, FolderReading &reading, const std::string *calendar,
                   const std::function<bool(const CalendarFile &)> &enough) {
  auto listed = listedFiles(folder, calendar);
  // Nearly every folder fits in the reading's bytes: its files are read as listed, each one's
  // size found as it is opened. Only a folder that does not is read again from the start, with
  // the files that fit smallest first.
  ReadingBudget before = reading.budget;
  if (auto files = readListed(listed, reading, enough, nullptr))
    return std::move(*files);
  reading.budget = before;
  auto admits = admitted(listed);
  return std::move(*readListed(listed, reading, enough, &admits));
}

} // namespace kit::events
