#pragma once

#include "kit/events/EventStore.h"

#include "support/ScratchTree.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace events_test {

using kit::events::Date;
using kit::events::EventStore;

// A moment given in UTC.
Date utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// A VCALENDAR around `body` (lines separated by '\n'), joined with CRLF as the format wants.
std::string calendarText(std::string_view body);

// The ids of events or reminders, in their order.
template <class Items> std::vector<std::string> idsOf(const Items &items) {
  std::vector<std::string> ids;
  for (const auto &item : items)
    ids.push_back(item.id);
  return ids;
}

// A zone as mail programs write it into invitations: Europe/Berlin's rules from 1601, under the
// name given (lines separated by '\n', as calendarText takes them).
std::string invitationZone(const std::string &tzid);

// The occurrences overlapping [start, end) of the events in `body` (as calendarText takes it),
// read from memory as the store reads one file of calendar "c": days and floating times in
// `zone`.
std::vector<kit::events::Event> eventsIn(std::string_view body, Date start, Date end,
                                         const std::string &zone = "Europe/Oslo");

// A calendars folder with its files; the store reads days and floating times in Oslo's zone.
class CalendarHome {
public:
  const std::filesystem::path &folder() const { return folder_; }
  kit::events::EventStore store(kit::foundation::Clock clock = {}) const {
    return kit::events::EventStore(folder_, "Europe/Oslo", std::move(clock));
  }

  // Writes <calendar>/<file> holding calendarText(body).
  std::filesystem::path add(const std::string &calendar, const std::string &file,
                            std::string_view body) const {
    return addRaw(calendar, file, calendarText(body));
  }
  // Writes <calendar>/<file> exactly as given.
  std::filesystem::path addRaw(const std::string &calendar, const std::string &file,
                               std::string_view text) const {
    return tree_.write(std::filesystem::path("calendars") / calendar / file, text);
  }
  std::string read(const std::string &calendar, const std::string &file) const;

private:
  test_support::ScratchTree tree_;
  std::filesystem::path folder_ = tree_.folder("calendars");
};

} // namespace events_test
