#include "Shared/Data/RSSStore/DateParsing.h"

#include "Shared/Data/RSSStore/FeedText.h"
#include "Shared/Data/RSSStore/RFC822Date.h"

#include "kit/foundation/DateFormatter.h"
#include "kit/foundation/Iso8601.h"

#include <algorithm>
#include <array>

namespace zavel::RSSStore {

namespace {

// The RFC 822 forms feeds write, tried in this order; built once, shared by every fetch.
const std::array<kit::foundation::DateFormatter, 4> &rfc822Formatters() {
  using kit::foundation::DateFormatter;
  static const auto formatters = [] {
    auto posix = kit::foundation::Locale::posix();
    // Without a zone database, UTC keeps the same clock.
    auto gmt = kit::foundation::TimeZone::named("GMT").value_or(kit::foundation::TimeZone::utc());
    return std::array<DateFormatter, 4>{
        DateFormatter("EEE, d MMM yyyy HH:mm:ss Z", posix, gmt),
        DateFormatter("EEE, d MMM yyyy HH:mm:ss zzz", posix, gmt),
        DateFormatter("EEE, d MMM yyyy HH:mm Z", posix, gmt),
        DateFormatter("d MMM yyyy HH:mm:ss Z", posix, gmt),
    };
  }();
  return formatters;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Internet date-time's tail after the seconds: an optional "." fraction, then "Z" or "±HH:MM".
bool hasInternetTail(std::string_view text) {
  constexpr std::size_t kSecondsEnd = 19;
  if (text.size() <= kSecondsEnd)
    return false;
  std::string_view tail = text.substr(kSecondsEnd);
  if (tail.front() == '.') {
    std::size_t digits = 1;
    while (digits < tail.size() && isDigit(tail[digits]))
      ++digits;
    if (digits == 1)
      return false;
    tail.remove_prefix(digits);
  }
  if (tail == "Z")
    return true;
  return tail.size() == 6 && (tail[0] == '+' || tail[0] == '-') && isDigit(tail[1]) &&
         isDigit(tail[2]) && tail[3] == ':' && isDigit(tail[4]) && isDigit(tail[5]);
}

// "yyyy-": no RFC 822 form, each a day number and a space before a month name, can follow.
bool startsAsInternetDate(std::string_view text) {
  return text.size() > 4 && std::all_of(text.begin(), text.begin() + 4, isDigit) && text[4] == '-';
}

} // namespace

std::optional<kit::foundation::Date> parseDate(std::string_view text) {
  std::string_view trimmed = trimmingWhitespaceAndNewlines(text);
  // The formatters take a lock and many microseconds a date; a feed of tiny entries has tens of
  // thousands of dates, all read while the feeds are fetched at once.
  if (auto date = commonRFC822Date(trimmed))
    return date;
  if (!startsAsInternetDate(trimmed)) {
    for (const auto &formatter : rfc822Formatters()) {
      if (auto date = formatter.date(trimmed))
        return date;
    }
  }
  if (!hasInternetTail(trimmed))
    return std::nullopt;
  return kit::foundation::dateFromIso8601(trimmed);
}

} // namespace zavel::RSSStore
