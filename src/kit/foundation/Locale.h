#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class Locale;
U_NAMESPACE_END

namespace kit::foundation {

enum class MeasurementSystem { metric, us, uk };

// A locale by its identifier ("en_US_POSIX", "de_DE"), on ICU's locale data. Immutable; copies
// may be used from any thread.
class Locale {
public:
  explicit Locale(std::string_view identifier);
  // The process's current locale from LC_ALL, else LC_TIME, else LANG ("C" and "POSIX" are
  // "en_US_POSIX"); read anew on every call. The first call also makes it ICU's default.
  static Locale current();
  // "en_US_POSIX": fixed English texts and Western digits whatever the user's settings.
  static Locale posix();

  const std::string &identifier() const { return identifier_; }
  MeasurementSystem measurementSystem() const;

  const icu::Locale &icuLocale() const { return *locale_; }

  bool operator==(const Locale &other) const { return identifier_ == other.identifier_; }

private:
  std::shared_ptr<const icu::Locale> locale_;
  std::string identifier_;
};

// The locale identifier of a POSIX locale name: "de_DE.UTF-8" is "de_DE", "C" is "en_US_POSIX".
std::string localeIdentifierOfPosixName(std::string_view name);

} // namespace kit::foundation
