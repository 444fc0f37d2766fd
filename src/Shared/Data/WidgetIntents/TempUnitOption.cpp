#include "Shared/Data/WidgetIntents/TempUnitOption.h"

namespace zavel {

bool showsFahrenheit(TempUnitOption unit, const kit::foundation::Locale &locale) {
  switch (unit) {
  case TempUnitOption::fahrenheit:
    return true;
  case TempUnitOption::system:
    return locale.measurementSystem() == kit::foundation::MeasurementSystem::us;
  case TempUnitOption::celsius:
    return false;
  }
  return false;
}

WeatherSnapshot localized(TempUnitOption unit, const WeatherSnapshot &snapshot) {
  return showsFahrenheit(unit) ? snapshot.inFahrenheit() : snapshot;
}

} // namespace zavel
