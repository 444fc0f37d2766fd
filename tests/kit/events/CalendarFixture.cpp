#include "CalendarFixture.h"

#include "kit/events/CalendarFolder.h"
#include "kit/events/EventReading.h"
#include "kit/events/IcalTime.h"
#include "kit/foundation/Calendar.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace events_test {

Date utc(int year, int month, int day, int hour, int minute, int second) {
  return kit::foundation::Calendar::gregorian(kit::foundation::TimeZone::utc())
      .date(year, month, day, hour, minute, second);
}

std::string calendarText(std::string_view body) {
  std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zavel tests//EN\r\n";
  std::istringstream lines{std::string(body)};
  for (std::string line; std::getline(lines, line);)
    if (!line.empty())
      text += line + "\r\n";
  return text + "END:VCALENDAR\r\n";
}

std::string invitationZone(const std::string &tzid) {
  return "BEGIN:VTIMEZONE\nTZID:" + tzid +
         "\nBEGIN:STANDARD\nDTSTART:16010101T030000\nTZOFFSETFROM:+0200\nTZOFFSETTO:+0100\n"
         "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10\nEND:STANDARD\nBEGIN:DAYLIGHT\n"
         "DTSTART:16010101T020000\nTZOFFSETFROM:+0100\nTZOFFSETTO:+0200\n"
         "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\nEND:DAYLIGHT\nEND:VTIMEZONE\n";
}

std::vector<kit::events::Event> eventsIn(std::string_view body, Date start, Date end,
                                         const std::string &zone) {
  auto lock = kit::events::lockLibical();
  kit::events::FolderReading reading;
  auto file = kit::events::readCalendarFile(calendarText(body),
                                            {.calendar = "c",
                                             .fileName = "events.ics",
                                             .path = {},
                                             .items = {},
                                             .properties = {},
                                             .zones = {},
                                             .account = {}},
                                            reading);
  if (!file)
    return {};
  kit::events::SystemZone local(
      kit::foundation::TimeZone::named(zone).value_or(kit::foundation::TimeZone::utc()));
  return kit::events::readEvents({*file}, {.start = start, .end = end}, &local);
}

std::string CalendarHome::read(const std::string &calendar, const std::string &file) const {
  std::ifstream in(folder_ / calendar / file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace events_test
