#include "Shared/Data/ExtrasProviders/QuoteProvider.h"

#include <gtest/gtest.h>

using kit::foundation::Calendar;
using kit::foundation::Date;
using kit::foundation::TimeZone;
namespace QuoteProvider = zavel::QuoteProvider;

namespace {

// The position of the day's quotation in the table.
std::size_t positionOf(Date date, const Calendar &calendar) {
  const auto &table = QuoteProvider::quotations();
  return static_cast<std::size_t>(&QuoteProvider::today(date, calendar) - table.data());
}

} // namespace

TEST(QuoteProvider, TheFirstEntryIsSimplicity) {
  EXPECT_EQ(QuoteProvider::quotations()[0].text, "Simplicity is the ultimate sophistication.");
}

TEST(QuoteProvider, OneEntryPerDayWalkingTheTableAndWrapping) {
  Calendar berlin = Calendar::gregorian(*TimeZone::named("Europe/Berlin"));
  Date day = berlin.date(2025, 3, 10);
  std::size_t first = positionOf(day, berlin);
  EXPECT_EQ(positionOf(day.addingTimeInterval(1), berlin), first);
  EXPECT_EQ(positionOf(day.addingTimeInterval(86399), berlin), first);
  EXPECT_EQ(positionOf(berlin.addingDays(1, day), berlin), (first + 1) % 30);
  EXPECT_EQ(positionOf(berlin.addingDays(30, day), berlin), first);

  // Every entry is shown once in 30 days, and the last is followed by the first.
  std::vector<bool> seen(30, false);
  for (int offset = 0; offset < 30; ++offset) {
    Date date = berlin.addingDays(offset, day);
    std::size_t position = positionOf(date, berlin);
    seen[position] = true;
    if (position == 29) {
      EXPECT_EQ(positionOf(berlin.addingDays(1, date), berlin), 0u);
    }
  }
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 30);
}

TEST(QuoteProvider, TheDayChangesAtMidnightOfTheCalendarsZone) {
  Calendar tokyo = Calendar::gregorian(*TimeZone::named("Asia/Tokyo"));
  Calendar london = Calendar::gregorian(*TimeZone::named("Europe/London"));
  // 2025-03-10 20:00 in London is already the 11th in Tokyo.
  Date evening = london.date(2025, 3, 10, 20);
  EXPECT_EQ(positionOf(evening, tokyo), (positionOf(evening, london) + 1) % 30);
}

TEST(QuoteProvider, DaysBeforeTheEraStillWalkForward) {
  Calendar utc = Calendar::gregorian(TimeZone::utc());
  Date ancient = Date::fromUnixTime(-70e9); // in the third century before the common era
  EXPECT_EQ(positionOf(utc.addingDays(1, ancient), utc), (positionOf(ancient, utc) + 1) % 30);
}
