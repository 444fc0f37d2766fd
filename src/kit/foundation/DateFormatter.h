#pragma once

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/Locale.h"
#include "kit/foundation/TimeZone.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kit::foundation {

// Formats and parses dates by a fixed pattern ("yyyy-MM-dd", "HH:mm", "EEE d MMM") in one
// locale, calendar and zone. Calls on one instance are serialised, so a formatter made once may
// be shared between threads.
class DateFormatter {
public:
  // In the locale's own calendar system.
  DateFormatter(std::string_view pattern, const Locale &locale, const TimeZone &zone);
  // In the given calendar (and its zone).
  DateFormatter(std::string_view pattern, const Locale &locale, const Calendar &calendar);
  ~DateFormatter();
  DateFormatter(DateFormatter &&) noexcept;
  DateFormatter &operator=(DateFormatter &&) noexcept;

  // The date's text.
  std::string string(Date date) const;
  // The date the whole text denotes, read strictly (no lenient guessing); none when the text
  // does not match the pattern, names a day that does not exist or a skipped wall time. A wall
  // time that occurs twice reads as its first occurrence.
  std::optional<Date> date(std::string_view text) const;

  // The locale's pattern for a skeleton ("j": the hour as the locale writes it, "h a" or "HH").
  static std::optional<std::string> bestPattern(std::string_view skeleton, const Locale &locale);

private:
  struct State;
  std::unique_ptr<State> state_;
};

} // namespace kit::foundation
