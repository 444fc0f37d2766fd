#include "Shared/Data/ExtrasProviders/QuoteProvider.h"

#include <gtest/gtest.h>

namespace zavel::QuoteProvider {
namespace {

using kit::foundation::Calendar;
using kit::foundation::Date;
using kit::foundation::TimeZone;

// The position of the day's quotation in the table.
std::size_t positionOf(Date date, const Calendar &calendar) {
  return static_cast<std::size_t>(&today(date, calendar) - quotations().data());
}

TEST(QuoteProvider, OneEntryPerDayOfTheCalendarsZoneWalkingTheWholeTableAndWrapping) {
  Calendar berlin = Calendar::gregorian(*TimeZone::named("Europe/Berlin"));
  Date day = berlin.date(2025, 3, 10);
  std::size_t first = positionOf(day, berlin);
  EXPECT_EQ(positionOf(day.addingTimeInterval(86399), berlin), first);
  std::vector<std::size_t> walked;
  for (int offset = 0; offset <= 30; ++offset)
    walked.push_back(positionOf(berlin.addingDays(offset, day), berlin));
  for (std::size_t i = 0; i < 30; ++i) // the last entry is followed by the first
    EXPECT_EQ(walked[i + 1], (walked[i] + 1) % 30) << i;

  // 2025-03-10 20:00 in London is already the 11th in Tokyo.
  Calendar london = Calendar::gregorian(*TimeZone::named("Europe/London"));
  Date evening = london.date(2025, 3, 10, 20);
  EXPECT_EQ(positionOf(evening, Calendar::gregorian(*TimeZone::named("Asia/Tokyo"))),
            (positionOf(evening, london) + 1) % 30);
  // Days before the era's first still walk forward.
  Calendar utc = Calendar::gregorian(TimeZone::utc());
  Date ancient = Date::fromUnixTime(-70e9);
  EXPECT_EQ(positionOf(utc.addingDays(1, ancient), utc), (positionOf(ancient, utc) + 1) % 30);
}

} // namespace
} // namespace zavel::QuoteProvider
