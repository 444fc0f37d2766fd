#include "kit/foundation/Locale.h"

#include <cstdlib>
#include <mutex>
#include <unicode/locid.h>
#include <unicode/ulocdata.h>

namespace kit::foundation {

namespace {

constexpr std::string_view kPosix = "en_US_POSIX";

const char *nonEmptyVariable(const char *name) {
  const char *value = std::getenv(name);
  return value && *value ? value : nullptr;
}

} // namespace

std::string localeIdentifierOfPosixName(std::string_view name) {
  // Codeset and modifier say nothing about language and region.
  name = name.substr(0, name.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX")
    return std::string(kPosix);
  return std::string(name);
}

Locale::Locale(std::string_view identifier)
    : locale_(std::make_shared<icu::Locale>(std::string(identifier).c_str())),
      identifier_(identifier) {}

Locale Locale::current() {
  const char *name = nonEmptyVariable("LC_ALL");
  if (!name)
    name = nonEmptyVariable("LC_TIME");
  if (!name)
    name = nonEmptyVariable("LANG");
  Locale locale(localeIdentifierOfPosixName(name ? name : ""));
  static std::once_flag madeDefault;
  std::call_once(madeDefault, [&] {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(locale.icuLocale(), status);
  });
  return locale;
}

Locale Locale::posix() { return Locale(kPosix); }

MeasurementSystem Locale::measurementSystem() const {
  UErrorCode status = U_ZERO_ERROR;
  UMeasurementSystem system = ulocdata_getMeasurementSystem(locale_->getName(), &status);
  if (U_FAILURE(status))
    return MeasurementSystem::metric;
  switch (system) {
  case UMS_US:
    return MeasurementSystem::us;
  case UMS_UK:
    return MeasurementSystem::uk;
  default:
    return MeasurementSystem::metric;
  }
}

} // namespace kit::foundation
