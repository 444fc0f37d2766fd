#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace zavel::test {

// What the C library's localtime_r says of a moment under TZ: the independent reading the zone
// tests compare with.
struct CLibraryReading {
  std::int64_t at = 0;
  std::int64_t offset = 0;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// A change of the offset: `before` holds until `at`, `after` from it on.
struct CLibraryChange {
  CLibraryReading before;
  CLibraryReading after;
};

struct CLibraryZone {
  // Every change from `from` to `to`, found by reading each day once and halving down to the
  // second where two days differ (two changes within one day are not seen).
  std::vector<CLibraryChange> changes;
  // One reading a day, at a time of day that moves from day to day.
  std::vector<CLibraryReading> daily;
};

// The zone the C library reads with TZ set to `tz`, worked out in a child process so that this
// process's own zone stays as it is.
CLibraryZone cLibraryZone(const std::string &tz, std::int64_t from, std::int64_t to);

// The readings of the given moments under TZ set to `tz`, likewise.
std::vector<CLibraryReading> cLibraryReadings(const std::string &tz,
                                              const std::vector<std::int64_t> &moments);

// The zones of the machine's zone1970.tab, read as the table is written.
std::set<std::string> zone1970Names();

} // namespace zavel::test
