#include "kit/foundation/DateFormatter.h"

#include <mutex>
#include <unicode/calendar.h>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>

namespace kit::foundation {

namespace {

icu::UnicodeString unicode(std::string_view text) {
  return icu::UnicodeString::fromUTF8(
      icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::string utf8(const icu::UnicodeString &text) {
  std::string result;
  return text.toUTF8String(result);
}

std::unique_ptr<icu::SimpleDateFormat> makeFormat(std::string_view pattern, const Locale &locale) {
  UErrorCode status = U_ZERO_ERROR;
  auto format =
      std::make_unique<icu::SimpleDateFormat>(unicode(pattern), locale.icuLocale(), status);
  if (U_FAILURE(status))
    return nullptr;
  format->setLenient(false);
  return format;
}

} // namespace

struct DateFormatter::State {
  std::mutex mutex;
  std::unique_ptr<icu::SimpleDateFormat> format;
};

DateFormatter::DateFormatter(std::string_view pattern, const Locale &locale, const TimeZone &zone)
    : state_(std::make_unique<State>()) {
  state_->format = makeFormat(pattern, locale);
  if (state_->format)
    state_->format->setTimeZone(zone.icuZone());
}

DateFormatter::DateFormatter(std::string_view pattern, const Locale &locale,
                             const Calendar &calendar)
    : state_(std::make_unique<State>()) {
  state_->format = makeFormat(pattern, locale);
  if (!state_->format)
    return;
  state_->format->setCalendar(calendar.icuCalendar());
  // Leniency lives in the calendar too; the given one is lenient for arithmetic.
  state_->format->setLenient(false);
}

DateFormatter::~DateFormatter() = default;
DateFormatter::DateFormatter(DateFormatter &&) noexcept = default;
DateFormatter &DateFormatter::operator=(DateFormatter &&) noexcept = default;

std::string DateFormatter::string(Date date) const {
  if (!state_)
    return {};
  std::lock_guard lock(state_->mutex);
  if (!state_->format)
    return {};
  icu::UnicodeString text;
  state_->format->format(date.unixTime() * 1000.0, text);
  return utf8(text);
}

std::optional<Date> DateFormatter::date(std::string_view text) const {
  if (!state_)
    return std::nullopt;
  std::lock_guard lock(state_->mutex);
  if (!state_->format)
    return std::nullopt;
  auto input = unicode(text);
  icu::ParsePosition position(0);
  UDate parsed = state_->format->parse(input, position);
  if (position.getErrorIndex() >= 0 || position.getIndex() != input.length())
    return std::nullopt;
  return Date::fromUnixTime(parsed / 1000.0);
}

std::optional<std::string> DateFormatter::bestPattern(std::string_view skeleton,
                                                      const Locale &locale) {
  // ICU's pattern generator crashes on a locale it could not read (a language over 8 letters).
  if (locale.icuLocale().isBogus())
    return std::nullopt;
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::DateTimePatternGenerator> generator(
      icu::DateTimePatternGenerator::createInstance(locale.icuLocale(), status));
  if (U_FAILURE(status) || !generator)
    return std::nullopt;
  auto pattern = generator->getBestPattern(unicode(skeleton), status);
  if (U_FAILURE(status) || pattern.isEmpty())
    return std::nullopt;
  return utf8(pattern);
}

} // namespace kit::foundation
