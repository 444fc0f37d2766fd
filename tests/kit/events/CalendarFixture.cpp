#include "CalendarFixture.h"

#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>

namespace events_test {

Date utc(int year, int month, int day, int hour, int minute, int second) {
  std::tm fields{};
  fields.tm_year = year - 1900;
  fields.tm_mon = month - 1;
  fields.tm_mday = day;
  fields.tm_hour = hour;
  fields.tm_min = minute;
  fields.tm_sec = second;
  return Date::fromUnixTime(static_cast<double>(timegm(&fields)));
}

std::string calendarText(std::string_view body) {
  std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zavel tests//EN\r\n";
  std::istringstream lines{std::string(body)};
  for (std::string line; std::getline(lines, line);)
    if (!line.empty())
      text += line + "\r\n";
  return text + "END:VCALENDAR\r\n";
}

std::filesystem::path CalendarHome::add(const std::string &calendar, const std::string &file,
                                        std::string_view body) const {
  return addRaw(calendar, file, calendarText(body));
}

std::filesystem::path CalendarHome::addRaw(const std::string &calendar, const std::string &file,
                                           std::string_view text) const {
  return tree_.write(std::filesystem::path("calendars") / calendar / file, text);
}

std::string CalendarHome::read(const std::string &calendar, const std::string &file) const {
  std::ifstream in(folder_ / calendar / file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace events_test
