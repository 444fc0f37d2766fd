#include "kit/foundation/CivilDate.h"

#include <gtest/gtest.h>

using namespace kit::foundation;

TEST(CivilDate, DaysAndWeekdaysOfTheGregorianCalendar) {
  struct Case {
    CivilDate date;
    std::int64_t dayNumber;
    int weekday;
  } cases[] = {
      {{1970, 1, 1}, 0, 3},     {{1969, 12, 31}, -1, 2}, {{2000, 2, 29}, 11016, 1},
      {{2026, 3, 9}, 20521, 0}, {{1, 1, 1}, -719162, 0}, {{9999, 12, 31}, 2932896, 4},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(dayNumberOf(c.date), c.dayNumber) << c.date.year;
    EXPECT_EQ(weekdayOf(c.dayNumber), c.weekday) << c.date.year;
    CivilDate back = civilDateOf(c.dayNumber);
    EXPECT_EQ(std::tuple(back.year, back.month, back.day),
              std::tuple(c.date.year, c.date.month, c.date.day));
  }
  // Every day from 1 AD to 9999 follows the one before.
  CivilDate previous = civilDateOf(-719162);
  for (std::int64_t day = -719161; day <= 2932896; ++day) {
    CivilDate date = civilDateOf(day);
    bool nextInMonth =
        date.year == previous.year && date.month == previous.month && date.day == previous.day + 1;
    bool firstOfNext =
        date.day == 1 && previous.day == daysInMonth(previous.year, previous.month) &&
        (date.month == previous.month + 1 ||
         (date.month == 1 && previous.month == 12 && date.year == previous.year + 1));
    ASSERT_TRUE(nextInMonth || firstOfNext) << day;
    previous = date;
  }
}
