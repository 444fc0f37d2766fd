#pragma once

#include "kit/events/EventStore.h"

#include "support/ScratchTree.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace events_test {

using kit::events::Date;

// A moment given in UTC.
Date utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// The lines of a calendar object between BEGIN:VCALENDAR and END:VCALENDAR, joined as the
// format wants (CRLF).
std::string calendarText(std::string_view body);

// A calendars folder with its files; the store reads days and floating times in Oslo's zone.
class CalendarHome {
public:
  static constexpr const char *zone = "Europe/Oslo";

  const std::filesystem::path &folder() const { return folder_; }
  kit::events::EventStore store() const { return kit::events::EventStore(folder_, zone); }

  // Writes <calendar>/<file> holding a VCALENDAR around `body` (lines separated by '\n').
  std::filesystem::path add(const std::string &calendar, const std::string &file,
                            std::string_view body) const;
  // Writes <calendar>/<file> exactly as given.
  std::filesystem::path addRaw(const std::string &calendar, const std::string &file,
                               std::string_view text) const;
  std::string read(const std::string &calendar, const std::string &file) const;

private:
  test_support::ScratchTree tree_;
  std::filesystem::path folder_ = tree_.folder("calendars");
};

} // namespace events_test
