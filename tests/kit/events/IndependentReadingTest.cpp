#include "CalendarFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using namespace events_test;

namespace {

// Another program's reading of a calendar file: every occurrence of its repeating to-dos over
// [from, to), one line each: its RECURRENCE-ID, DTSTART and DUE in UTC (floating ones as they
// are, days as days, "-" for none) and its STATUS.
const char *const kReader = R"(
import sys, datetime, icalendar, recurring_ical_events
def shown(prop):
    if prop is None:
        return '-'
    v = prop.dt
    if isinstance(v, datetime.datetime):
        if v.tzinfo is None:
            return v.strftime('%Y%m%dT%H%M%S')
        return v.astimezone(datetime.timezone.utc).strftime('%Y%m%dT%H%M%SZ')
    return v.strftime('%Y%m%d')
calendar = icalendar.Calendar.from_ical(open(sys.argv[3], 'rb').read())
start, end = (datetime.datetime.fromisoformat(day) for day in sys.argv[1:3])
lines = []
for o in recurring_ical_events.of(calendar, components=['VTODO']).between(start, end):
    lines.append(' '.join([shown(o.get('RECURRENCE-ID')), shown(o.get('DTSTART')),
                           shown(o.get('DUE')), str(o.get('STATUS', '-'))]))
print('\n'.join(sorted(lines, key=lambda line: line.split(' ')[1])))
)";

const char *const kPython = "/usr/bin/python3";

bool readerInstalled() {
  std::string check = std::string(kPython) + " -c 'import icalendar, recurring_ical_events' 2>&1";
  auto pipe = std::unique_ptr<FILE, int (*)(FILE *)>(popen(check.c_str(), "r"), pclose);
  if (!pipe)
    return false;
  char buffer[256];
  bool quiet = fgets(buffer, sizeof buffer, pipe.get()) == nullptr;
  return pclose(pipe.release()) == 0 && quiet;
}

// The reader's lines for the file, one string each.
std::vector<std::string> readByAnother(const std::filesystem::path &file, const std::string &from,
                                       const std::string &to) {
  std::string script = kReader;
  std::string command = std::string(kPython) + " - " + from + " " + to + " '" + file.string() +
                        "' 2>&1 <<'EOF'\n" + script + "\nEOF";
  auto pipe = std::unique_ptr<FILE, int (*)(FILE *)>(popen(command.c_str(), "r"), pclose);
  std::vector<std::string> lines;
  char buffer[512];
  while (pipe && fgets(buffer, sizeof buffer, pipe.get())) {
    std::string line(buffer);
    if (!line.empty() && line.back() == '\n')
      line.pop_back();
    if (!line.empty())
      lines.push_back(line);
  }
  return lines;
}

} // namespace

// What a tap writes is read by another iCalendar library as that very occurrence, with its own
// start and due and no other beside it, whatever form its RDATE or the series is written in.
// (The reader installed here tells at most one occurrence a day apart, so no shape has more.)
TEST(IndependentReading, EveryOverrideATapWritesIsThatOccurrenceToAnotherReader) {
  if (!readerInstalled())
    GTEST_SKIP() << "python3-icalendar and python3-recurring-ical-events are not installed";
  struct Case {
    std::string name;
    std::string zone; // the store's
    std::string lines;
    std::vector<Date> taps;
    std::string from, to; // the reader's window
    std::vector<std::string> read;
  };
  const std::vector<Case> cases{
      {"monthly in Oslo, an RDATE in New York",
       "Europe/Oslo",
       "SEQUENCE:2\nDTSTART;TZID=Europe/Oslo:20260301T090000\n"
       "DUE;TZID=Europe/Oslo:20260301T100000\nRRULE:FREQ=MONTHLY\n"
       "RDATE;TZID=America/New_York:20260310T030000",
       {utc(2026, 3, 10, 9), utc(2026, 3, 10, 9)},
       "2026-03-01",
       "2026-05-01",
       {"- 20260301T080000Z 20260301T090000Z -",
        "20260310T070000Z 20260310T070000Z 20260310T080000Z COMPLETED",
        "20260401T070000Z 20260401T070000Z 20260401T080000Z COMPLETED"}},
      {"floating, an RDATE in UTC",
       "Europe/Oslo",
       "DTSTART:20260301T090000\nDUE:20260301T090000\nRRULE:FREQ=MONTHLY\n"
       "RDATE:20260310T070000Z",
       {utc(2026, 3, 10, 9)},
       "2026-03-01",
       "2026-04-01",
       // The reader gives a floating rule's own occurrences a UTC zone.
       {"- 20260301T090000Z 20260301T090000Z -",
        "20260310T080000 20260310T080000 20260310T080000 COMPLETED"}},
      {"in Oslo, an RDATE the clock shows twice",
       "Europe/Oslo",
       "DTSTART;TZID=Europe/Oslo:20261001T090000\nDUE;TZID=Europe/Oslo:20261001T090000\n"
       "RRULE:FREQ=MONTHLY\nRDATE:20261025T013000Z",
       {utc(2026, 10, 25, 2)},
       "2026-10-01",
       "2026-11-02",
       {"- 20261001T070000Z 20261001T070000Z -",
        "20261025T013000Z 20261025T013000Z 20261025T013000Z COMPLETED",
        "- 20261101T080000Z 20261101T080000Z -"}},
      {"days, due the day after",
       "Europe/Oslo",
       "DTSTART;VALUE=DATE:20261201\nDUE;VALUE=DATE:20261202\nRRULE:FREQ=DAILY",
       {utc(2026, 12, 7, 11)},
       "2026-12-05",
       "2026-12-08",
       {"- 20261205 20261206 -", "20261206 20261206 20261207 COMPLETED", "- 20261207 20261208 -"}},
      {"a start and a duration",
       "Europe/Oslo",
       "DTSTART;TZID=Europe/Oslo:20261201T100000\nDURATION:PT1H\nRRULE:FREQ=DAILY",
       {utc(2026, 12, 8, 11)},
       "2026-12-07",
       "2026-12-09",
       {"- 20261207T090000Z 20261207T100000Z -",
        "20261208T090000Z 20261208T090000Z 20261208T100000Z COMPLETED"}},
      {"daily in Berlin, the day before the clocks go back and the day they do",
       "Europe/Berlin",
       "DTSTART;TZID=Europe/Berlin:20261001T090000\nDUE;TZID=Europe/Berlin:20261001T090000\n"
       "RRULE:FREQ=DAILY",
       {utc(2026, 10, 24, 8), utc(2026, 10, 25, 9)},
       "2026-10-24",
       "2026-10-27",
       {"20261024T070000Z 20261024T070000Z 20261024T070000Z COMPLETED",
        "20261025T080000Z 20261025T080000Z 20261025T080000Z COMPLETED",
        "- 20261026T080000Z 20261026T080000Z -"}},
      {"floating, the night Berlin's clock skips 02:30",
       "Europe/Berlin",
       "DTSTART:20260320T023000\nDUE:20260320T030000\nRRULE:FREQ=DAILY",
       {utc(2026, 3, 29, 2, 15)},
       "2026-03-28",
       "2026-03-31",
       {"- 20260328T023000 20260328T030000 -",
        "20260329T023000 20260329T023000 20260329T030000 COMPLETED",
        "- 20260330T023000 20260330T030000 -"}},
      {"in Berlin, the night its clock skips 02:30",
       "Europe/Berlin",
       "DTSTART;TZID=Europe/Berlin:20260320T023000\nDUE;TZID=Europe/Berlin:20260320T030000\n"
       "RRULE:FREQ=DAILY",
       {utc(2026, 3, 29, 2, 15)},
       "2026-03-28",
       "2026-03-31",
       {"- 20260328T013000Z 20260328T020000Z -",
        "20260329T013000Z 20260329T013000Z 20260329T020000Z COMPLETED",
        "- 20260330T003000Z 20260330T010000Z -"}},
      {"floating, the night Berlin's clock shows 02:30 twice",
       "Europe/Berlin",
       "DTSTART:20261020T023000\nDUE:20261020T030000\nRRULE:FREQ=DAILY",
       {utc(2026, 10, 25, 2, 10)},
       "2026-10-24",
       "2026-10-27",
       {"- 20261024T023000 20261024T030000 -",
        "20261025T023000 20261025T023000 20261025T030000 COMPLETED",
        "- 20261026T023000 20261026T030000 -"}},
      {"in Berlin, the night its clock shows 02:30 twice",
       "Europe/Berlin",
       "DTSTART;TZID=Europe/Berlin:20261020T023000\nDUE;TZID=Europe/Berlin:20261020T030000\n"
       "RRULE:FREQ=DAILY",
       {utc(2026, 10, 25, 1, 10)},
       "2026-10-24",
       "2026-10-27",
       // This reader takes the RECURRENCE-ID's 02:30 for the second; the start in UTC is the
       // first, as the format means it.
       {"- 20261024T003000Z 20261024T010000Z -",
        "20261025T013000Z 20261025T003000Z 20261025T010000Z COMPLETED",
        "- 20261026T013000Z 20261026T020000Z -"}},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    auto file =
        home.add("c", "t.ics", "BEGIN:VTODO\nUID:t\nSUMMARY:Pay\n" + c.lines + "\nEND:VTODO");
    for (Date tap : c.taps)
      ASSERT_EQ(EventStore(home.folder(), c.zone, kit::foundation::Clock::fixed(tap))
                    .toggleCompleted("c/t", tap),
                EventStore::SaveResult::saved)
          << c.name;
    EXPECT_EQ(readByAnother(file, c.from, c.to), c.read) << c.name << "\n"
                                                         << home.read("c", "t.ics");
  }
}
