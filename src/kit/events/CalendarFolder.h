#pragma once

#include "kit/events/ItemComponent.h"
#include "kit/events/ReadingBudget.h"
#include "kit/events/ZoneDefinitions.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit::events {

// The events and to-dos of one readable .ics file of a calendar folder.
struct CalendarFile {
  // The folder's and the file's names, bytes that are not UTF-8 escaped (escapedUtf8).
  std::string calendar;
  std::string fileName;
  std::filesystem::path path; // as found while listing the folder; never made from an item's id
  ItemList items;
  std::shared_ptr<const ItemProperties> properties; // what its items keep
  FileZones zones;
  // What reading its items may still spend; shared by the file's copies.
  std::shared_ptr<FileAccount> account;
};

// The text of a calendar file; none when it is not a regular file, is larger than a reading takes
// one (half its bytes, 64 MiB), or cannot be read.
std::optional<std::string> readCalendarText(const std::filesystem::path &path);

// One reading of calendar files: its budget and the zones its files define.
struct FolderReading {
  ComponentKind wanted = ComponentKind::event;
  ReadingBudget budget = {};
  ZoneCache zones = {};
};

// The file read from `text`, `file` giving its place, with an account of its own in the reading.
// None when it is no calendar holding an event or a to-do, it nests too deep, it defines a zone
// listing more than kMaxZoneChanges changes or kMaxZoneRules rules, its bytes pass what is left
// of the reading's, or its values pass its own share and what is left of the reading's. A file
// holding no item of the kind the reading wants is returned without its items, for nothing of it
// will be read.
std::optional<CalendarFile> readCalendarFile(std::string_view text, CalendarFile file,
                                             FolderReading &reading);

// Every readable calendar file below `folder` that holds an item of the kind wanted: one
// subfolder per calendar, files named *.ics, calendars and files in name order. Hidden entries
// (temporary files among them) are passed over; files that cannot be read are skipped. The files
// are admitted smallest first while their bytes fit in the reading's (of equal sizes, the first
// in name order), so no file read is larger than one left out. With `calendar` given, only the
// calendars of that name are read; with `enough` given, no file after one for which it holds.
// Call with libical locked.
std::vector<CalendarFile>
readCalendarFolder(const std::filesystem::path &folder, FolderReading &reading,
                   const std::string *calendar = nullptr,
                   const std::function<bool(const CalendarFile &)> &enough = {});

} // namespace kit::events
