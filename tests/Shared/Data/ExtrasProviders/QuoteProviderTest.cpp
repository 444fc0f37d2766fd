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

TEST(QuoteProvider, OneEntryPerDayOfTheCalendarWrappingAroundTheTable) {
  Calendar berlin = Calendar::gregorian(*TimeZone::named("Europe/Berlin"));
  Date day = berlin.date(2025, 3, 10);
  EXPECT_EQ(positionOf(day.addingTimeInterval(86399), berlin), positionOf(day, berlin));
  // Days before the era's first still walk forward, the last entry followed by the first.
  Calendar utc = Calendar::gregorian(TimeZone::utc());
  Date ancient = Date::fromUnixTime(-70e9);
  EXPECT_EQ(positionOf(utc.addingDays(1, ancient), utc), (positionOf(ancient, utc) + 1) % 30);
}

} // namespace
} // namespace zavel::QuoteProvider
