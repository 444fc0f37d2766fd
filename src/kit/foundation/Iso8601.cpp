#include "kit/foundation/Iso8601.h"

#include "kit/foundation/CivilDate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fmt/format.h>

namespace kit::foundation {

namespace {

constexpr double kLimit = 1e15;

// Reads exactly `count` digits at `pos`, advancing it.
std::optional<int> digits(std::string_view text, size_t &pos, size_t count) {
  if (pos + count > text.size())
    return std::nullopt;
  int value = 0;
  for (size_t i = 0; i < count; ++i) {
    char c = text[pos + i];
    if (c < '0' || c > '9')
      return std::nullopt;
    value = value * 10 + (c - '0');
  }
  pos += count;
  return value;
}

bool literal(std::string_view text, size_t &pos, char expected) {
  if (pos >= text.size() || text[pos] != expected)
    return false;
  ++pos;
  return true;
}

// Seconds east of UTC of the zone designator that ends the text.
std::optional<int> offsetSeconds(std::string_view text, size_t &pos) {
  if (literal(text, pos, 'Z'))
    return 0;
  if (pos >= text.size() || (text[pos] != '+' && text[pos] != '-'))
    return std::nullopt;
  int sign = text[pos++] == '-' ? -1 : 1;
  auto hours = digits(text, pos, 2);
  if (!hours || *hours > 23)
    return std::nullopt;
  int minutes = 0;
  if (pos < text.size()) {
    literal(text, pos, ':');
    auto parsed = digits(text, pos, 2);
    if (!parsed || *parsed > 59)
      return std::nullopt;
    minutes = *parsed;
  }
  return sign * (*hours * 3600 + minutes * 60);
}

double fraction(std::string_view text, size_t &pos) {
  if (!literal(text, pos, '.') && !literal(text, pos, ','))
    return 0;
  double value = 0;
  double scale = 0.1;
  size_t start = pos;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    value += (text[pos++] - '0') * scale;
    scale /= 10;
  }
  return pos == start ? -1 : value;
}

} // namespace

std::string iso8601String(Date date, bool fractionalSeconds) {
  double unix = date.unixTime();
  if (std::isnan(unix))
    unix = Date{}.unixTime();
  unix = std::clamp(unix, -kLimit, kLimit);
  double whole = std::floor(unix);
  auto seconds = static_cast<int64_t>(whole);
  int64_t days = floorDiv(seconds, kSecondsPerDay);
  int64_t secondOfDay = seconds - days * kSecondsPerDay;
  CivilDate civil = civilDateOf(days);
  std::string text =
      fmt::format("{:04}-{:02}-{:02}T{:02}:{:02}:{:02}", civil.year, civil.month, civil.day,
                  secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
  if (fractionalSeconds)
    text += fmt::format(".{:03}", std::min<long>(999, std::lround((unix - whole) * 1000)));
  return text + "Z";
}

std::optional<Date> dateFromIso8601(std::string_view text) {
  size_t pos = 0;
  auto year = digits(text, pos, 4);
  bool ok = year && literal(text, pos, '-');
  auto month = ok ? digits(text, pos, 2) : std::nullopt;
  ok = month && literal(text, pos, '-');
  auto day = ok ? digits(text, pos, 2) : std::nullopt;
  ok = day && literal(text, pos, 'T');
  auto hour = ok ? digits(text, pos, 2) : std::nullopt;
  ok = hour && literal(text, pos, ':');
  auto minute = ok ? digits(text, pos, 2) : std::nullopt;
  ok = minute && literal(text, pos, ':');
  auto second = ok ? digits(text, pos, 2) : std::nullopt;
  if (!second || *month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month) ||
      *hour > 23 || *minute > 59 || *second > 59)
    return std::nullopt;
  double fractionOfSecond = fraction(text, pos);
  auto offset = fractionOfSecond < 0 ? std::nullopt : offsetSeconds(text, pos);
  if (!offset || pos != text.size())
    return std::nullopt;
  int64_t unix = dayNumberOf({*year, *month, *day}) * kSecondsPerDay + *hour * 3600 + *minute * 60 +
                 *second - *offset;
  return Date::fromUnixTime(static_cast<double>(unix) + fractionOfSecond);
}

} // namespace kit::foundation
