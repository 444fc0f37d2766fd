#include "AgendaHome.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Views/ClockFormat.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace agenda_test {

Date oslo(int year, int month, int day, int hour, int minute, int second) {
  static const auto calendar =
      kit::foundation::Calendar::gregorian(*kit::foundation::TimeZone::named("Europe/Oslo"));
  return calendar.date(year, month, day, hour, minute, second);
}

AgendaHome::AgendaHome() {
  std::filesystem::create_directories(calendars());
  setTimeFormat(24);
}

zavel::EventSync::Environment AgendaHome::environment() const {
  return {.home = home(), .clock = kit::foundation::Clock([this] { return now; })};
}

std::filesystem::path AgendaHome::add(const std::string &calendar, const std::string &file,
                                      std::string_view components) const {
  std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zavel agenda tests//EN\r\n";
  std::istringstream lines{std::string(components)};
  for (std::string line; std::getline(lines, line);)
    if (!line.empty())
      text += line + "\r\n";
  text += "END:VCALENDAR\r\n";
  auto path = calendars() / calendar / file;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

std::string AgendaHome::read(const std::string &calendar, const std::string &file) const {
  std::ifstream in(calendars() / calendar / file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void AgendaHome::setTimeFormat(int hours) const {
  zavel::SharedSuite::open(home()).set(zavel::ClockFormat::timeFormatKey, int64_t{hours});
}

std::string todo(const std::string &uid, const std::string &lines) {
  return "BEGIN:VTODO\nUID:" + uid + "\nSUMMARY:" + uid + "\n" + lines + "\nEND:VTODO\n";
}

std::string event(const std::string &uid, const std::string &start, const std::string &end,
                  const std::string &lines) {
  return "BEGIN:VEVENT\nUID:" + uid + "\nDTSTART;TZID=Europe/Oslo:" + start +
         "\nDTEND;TZID=Europe/Oslo:" + end + "\n" + lines + "\nEND:VEVENT\n";
}

} // namespace agenda_test
