#pragma once

#include "kit/foundation/ZoneRules.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>

// The machine's zone database: the zone files below $TZDIR, else /usr/share/zoneinfo, the ones
// the C library, python and the desktop's clocks read.
namespace kit::foundation::ZoneDatabase {

// $TZDIR when it is set and not empty, else /usr/share/zoneinfo.
std::filesystem::path folder();

// Whether `name` can be a name of the database: a relative path none of whose parts is empty,
// "." or "..".
bool isZoneName(std::string_view name);

// The rules of the zone file at `path`; none when it is no readable zone file (anything but a
// regular file is refused, never waited on).
std::optional<ZoneRules> rulesOfFile(const std::filesystem::path &path);

// The names of the files below the folder, "posix/" and "right/" (copies of the rest) and hidden
// ones left out, found once for each folder. Not every one names a zone ("zone.tab"); every
// zone has one.
struct Names {
  std::set<std::string, std::less<>> all;
  std::size_t longest = 0;
};
const Names &names();

} // namespace kit::foundation::ZoneDatabase
