#include "Shared/Data/RSSStore/RFC822Date.h"

#include "kit/foundation/CivilDate.h"

#include <array>
#include <span>

namespace zavel {

namespace {

using kit::foundation::CivilDate;

constexpr std::array<std::string_view, 7> kWeekdays = {"Mon", "Tue", "Wed", "Thu",
                                                       "Fri", "Sat", "Sun"};
constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Takes the text apart from the front.
class Reader {
public:
  explicit Reader(std::string_view text) : rest_(text) {}

  bool literal(std::string_view expected) {
    if (!rest_.starts_with(expected))
      return false;
    rest_.remove_prefix(expected.size());
    return true;
  }

  // The position of the name the text starts with.
  std::optional<int> name(std::span<const std::string_view> names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (literal(names[i]))
        return static_cast<int>(i);
    }
    return std::nullopt;
  }

  // A number of `least` to `most` decimal digits.
  std::optional<int> number(std::size_t least, std::size_t most) {
    std::size_t digits = 0;
    int value = 0;
    while (digits < most && digits < rest_.size() && rest_[digits] >= '0' && rest_[digits] <= '9')
      value = value * 10 + (rest_[digits++] - '0');
    if (digits < least)
      return std::nullopt;
    rest_.remove_prefix(digits);
    return value;
  }

  bool atEnd() const { return rest_.empty(); }

private:
  std::string_view rest_;
};

struct Fields {
  CivilDate date;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int offsetSeconds = 0;
};

std::optional<int> offsetSeconds(Reader &reader) {
  if (reader.literal("GMT"))
    return 0;
  int sign = reader.literal("+") ? 1 : reader.literal("-") ? -1 : 0;
  auto hhmm = reader.number(4, 4);
  if (sign == 0 || !hhmm || *hhmm / 100 > 18 || *hhmm % 100 > 59)
    return std::nullopt;
  return sign * (*hhmm / 100 * 3600 + *hhmm % 100 * 60);
}

std::optional<Fields> fieldsOf(std::string_view text) {
  Reader reader(text);
  if (!reader.name(kWeekdays) || !reader.literal(", "))
    return std::nullopt;
  auto day = reader.number(1, 2);
  if (!day || !reader.literal(" "))
    return std::nullopt;
  auto month = reader.name(kMonths);
  if (!month || !reader.literal(" "))
    return std::nullopt;
  auto year = reader.number(4, 4);
  if (!year || !reader.literal(" "))
    return std::nullopt;
  auto hour = reader.number(2, 2);
  auto minute = reader.literal(":") ? reader.number(2, 2) : std::nullopt;
  auto second = reader.literal(":") ? reader.number(2, 2) : std::nullopt;
  if (!hour || !minute || !second || !reader.literal(" "))
    return std::nullopt;
  auto offset = offsetSeconds(reader);
  if (!offset || !reader.atEnd())
    return std::nullopt;
  return Fields{{*year, *month + 1, *day}, *hour, *minute, *second, *offset};
}

// Before 1600 a date formatter's calendar may count Julian days.
bool isPlainGregorian(const Fields &fields) {
  const CivilDate &date = fields.date;
  return date.year >= 1600 && date.day >= 1 &&
         date.day <= kit::foundation::daysInMonth(date.year, date.month) && fields.hour <= 23 &&
         fields.minute <= 59 && fields.second <= 59;
}

} // namespace

std::optional<kit::foundation::Date> commonRFC822Date(std::string_view text) {
  auto fields = fieldsOf(text);
  if (!fields || !isPlainGregorian(*fields))
    return std::nullopt;
  std::int64_t dayNumber = kit::foundation::dayNumberOf(fields->date);
  std::int64_t seconds = dayNumber * kit::foundation::kSecondsPerDay + fields->hour * 3600 +
                         fields->minute * 60 + fields->second - fields->offsetSeconds;
  return kit::foundation::Date::fromUnixTime(static_cast<double>(seconds));
}

} // namespace zavel
