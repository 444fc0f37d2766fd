#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Data/WeatherProvider/APIResponse.h"
#include "Shared/Data/WeatherProvider/Place.h"

#include "kit/foundation/Date.h"
#include "kit/foundation/Locale.h"
#include "kit/foundation/TimeZone.h"

namespace zavel::WeatherProvider {

// What a conversion reads besides the answer: the moment it happens, the clock format of the
// rain bars' hours, and the zone and locale of the device.
struct ConversionSettings {
  kit::foundation::Date now;
  bool uses24Hour = false;
  kit::foundation::TimeZone deviceZone = kit::foundation::TimeZone::current();
  kit::foundation::Locale locale = kit::foundation::Locale::current();
};

// The snapshot of `place` that the service's answer describes: the current conditions, up to
// six following days, and up to seven rain bars two hours apart from the first hour not yet
// past, all in whole degrees Celsius.
WeatherSnapshot convertForecast(const APIResponse &answer, const Place &place,
                                const ConversionSettings &settings);

} // namespace zavel::WeatherProvider
