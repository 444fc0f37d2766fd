#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"

#include "kit/foundation/Locale.h"
#include "kit/intents/AppEnum.h"

#include <array>
#include <string_view>

namespace zavel {

// The temperature unit a weather widget shows.
enum class TempUnitOption { system, celsius, fahrenheit };

// Whether the unit means Fahrenheit: always for `fahrenheit`, and for `system` where the
// locale measures the US way.
bool showsFahrenheit(TempUnitOption unit,
                     const kit::foundation::Locale &locale = kit::foundation::Locale::current());

// The snapshot (in Celsius, as stored) in the unit, by the current locale at the call.
WeatherSnapshot localized(TempUnitOption unit, const WeatherSnapshot &snapshot);

} // namespace zavel

template <> struct kit::intents::AppEnumDefinition<zavel::TempUnitOption> {
  static constexpr std::string_view typeDisplayRepresentation = "Units";
  static constexpr std::array<AppEnumCase<zavel::TempUnitOption>, 3> cases{{
      {zavel::TempUnitOption::system, "system", "Follow system"},
      {zavel::TempUnitOption::celsius, "celsius", "Celsius"},
      {zavel::TempUnitOption::fahrenheit, "fahrenheit", "Fahrenheit"},
  }};
};
