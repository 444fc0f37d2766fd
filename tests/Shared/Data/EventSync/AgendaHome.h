#pragma once

#include "Shared/Data/ClockFormat.h"
#include "Shared/Data/EventSync/EventSync.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/Calendar.h"

#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace agenda_test {

using kit::foundation::Date;

// A wall time in Oslo, the zone every agenda test runs in.
inline Date oslo(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  static const auto calendar =
      kit::foundation::Calendar::gregorian(*kit::foundation::TimeZone::named("Europe/Oslo"));
  return calendar.date(year, month, day, hour, minute, second);
}

// An app group with calendars written as .ics files, in Oslo's zone with 24-hour clock texts.
// Its clock reads 14:00 on Tuesday 2024-03-12 until a test moves it.
class AgendaHome {
public:
  AgendaHome() {
    std::filesystem::create_directories(calendars());
    zavel::SharedSuite::open(home()).set(zavel::ClockFormat::timeFormatKey, int64_t{24});
  }

  const std::filesystem::path &home() const { return home_.path(); }
  std::filesystem::path calendars() const { return home() / "calendars"; }
  zavel::EventSync::Environment environment() const {
    return {.home = home(), .clock = kit::foundation::Clock([this] { return now; })};
  }

  // Writes <calendar>/<file>: a VCALENDAR around `components` (lines separated by '\n').
  void add(const std::string &calendar, const std::string &file,
           std::string_view components) const {
    std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zavel agenda tests//EN\r\n";
    std::istringstream lines{std::string(components)};
    for (std::string line; std::getline(lines, line);)
      if (!line.empty())
        text += line + "\r\n";
    auto path = calendars() / calendar / file;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text << "END:VCALENDAR\r\n";
  }
  std::string read(const std::string &calendar, const std::string &file) const {
    std::ifstream in(calendars() / calendar / file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  Date now = oslo(2024, 3, 12, 14);

private:
  zavel::test::ScopedLocaleAndZone zone_{"en_US.UTF-8", "Europe/Oslo"};
  zavel::test::TempHome home_;
};

// A VTODO with that UID as summary, and more lines.
inline std::string todo(const std::string &uid, const std::string &lines = "") {
  return "BEGIN:VTODO\nUID:" + uid + "\nSUMMARY:" + uid + "\n" + lines + "\nEND:VTODO\n";
}

// A VEVENT from `start` to `end` (Oslo wall times such as 20240312T090000), and more lines.
inline std::string event(const std::string &uid, const std::string &start, const std::string &end,
                         const std::string &lines = "") {
  return "BEGIN:VEVENT\nUID:" + uid + "\nDTSTART;TZID=Europe/Oslo:" + start +
         "\nDTEND;TZID=Europe/Oslo:" + end + "\n" + lines + "\nEND:VEVENT\n";
}

} // namespace agenda_test
