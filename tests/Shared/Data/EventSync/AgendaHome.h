#pragma once

#include "Shared/Data/EventSync/EventSync.h"
#include "kit/foundation/Calendar.h"

#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace agenda_test {

using kit::foundation::Date;

// A wall time in Oslo, the zone every agenda test runs in.
Date oslo(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// An app group with calendars written as .ics files, in Oslo's zone with 24-hour clock texts.
// Its clock reads 14:00 on Tuesday 2024-03-12 until a test moves it.
class AgendaHome {
public:
  AgendaHome();

  const std::filesystem::path &home() const { return home_.path(); }
  std::filesystem::path calendars() const { return home() / "calendars"; }
  zavel::EventSync::Environment environment() const;

  // Writes <calendar>/<file>: a VCALENDAR around `components` (lines separated by '\n').
  std::filesystem::path add(const std::string &calendar, const std::string &file,
                            std::string_view components) const;
  std::string read(const std::string &calendar, const std::string &file) const;

  void setTimeFormat(int hours) const;

  Date now = oslo(2024, 3, 12, 14);

private:
  zavel::test::ScopedLocaleAndZone zone_{"en_US.UTF-8", "Europe/Oslo"};
  zavel::test::TempHome home_;
};

// A VTODO with that UID as summary, and more lines.
std::string todo(const std::string &uid, const std::string &lines = "");

// A VEVENT from `start` to `end` (Oslo wall times such as 20240312T090000), and more lines.
std::string event(const std::string &uid, const std::string &start, const std::string &end,
                  const std::string &lines = "");

} // namespace agenda_test
