#include "kit/foundation/DateFormatter.h"

#include "kit/foundation/IcuText.h"

#include <mutex>
#include <unicode/calendar.h>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>
#include <unordered_map>

namespace kit::foundation {

namespace {

std::unique_ptr<icu::SimpleDateFormat> makeFormat(std::string_view pattern, const Locale &locale) {
  UErrorCode status = U_ZERO_ERROR;
  auto format =
      std::make_unique<icu::SimpleDateFormat>(unicodeText(pattern), locale.icuLocale(), status);
  if (U_FAILURE(status))
    return nullptr;
  format->setLenient(false);
  return format;
}

// Making a pattern generator reads the locale's whole calendar data, far more than formatting
// costs, and its answer for a locale and skeleton never changes: answers are kept.
constexpr std::size_t kPatternCacheCapacity = 256;

std::mutex &patternCacheMutex() {
  static std::mutex mutex;
  return mutex;
}

std::unordered_map<std::string, std::optional<std::string>> &patternCache() {
  static std::unordered_map<std::string, std::optional<std::string>> cache;
  return cache;
}

std::optional<std::string> generatedPattern(std::string_view skeleton, const Locale &locale) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::DateTimePatternGenerator> generator(
      icu::DateTimePatternGenerator::createInstance(locale.icuLocale(), status));
  if (U_FAILURE(status) || !generator)
    return std::nullopt;
  auto pattern = generator->getBestPattern(unicodeText(skeleton), status);
  if (U_FAILURE(status) || pattern.isEmpty())
    return std::nullopt;
  return utf8Text(pattern);
}

} // namespace

struct DateFormatter::State {
  std::mutex mutex;
  std::unique_ptr<icu::SimpleDateFormat> format;
};

DateFormatter::DateFormatter(std::string_view pattern, const Locale &locale, const TimeZone &zone)
    : DateFormatter(pattern, locale, Calendar::forLocale(locale, zone)) {}

DateFormatter::DateFormatter(std::string_view pattern, const Locale &locale,
                             const Calendar &calendar)
    : state_(std::make_unique<State>()) {
  state_->format = makeFormat(pattern, locale);
  if (!state_->format)
    return;
  state_->format->setCalendar(calendar.icuCalendar());
  // Leniency lives in the calendar too, and the given one is lenient for arithmetic. Its wall
  // time rules stay: a repeated time reads as its first occurrence.
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
  return utf8Text(text);
}

std::optional<Date> DateFormatter::date(std::string_view text) const {
  if (!state_)
    return std::nullopt;
  std::lock_guard lock(state_->mutex);
  if (!state_->format)
    return std::nullopt;
  auto input = unicodeText(text);
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
  std::string key = std::string(locale.icuLocale().getName()) + '\0' + std::string(skeleton);
  {
    std::lock_guard lock(patternCacheMutex());
    if (auto found = patternCache().find(key); found != patternCache().end())
      return found->second;
  }
  auto pattern = generatedPattern(skeleton, locale);
  std::lock_guard lock(patternCacheMutex());
  // A few locales and skeletons are asked for; anything beyond that starts afresh.
  if (patternCache().size() >= kPatternCacheCapacity)
    patternCache().clear();
  patternCache().emplace(std::move(key), pattern);
  return pattern;
}

} // namespace kit::foundation
