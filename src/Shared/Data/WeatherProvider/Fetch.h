#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WeatherProvider/Place.h"

namespace zavel::WeatherProvider {

// Asks the forecast service for the place's current conditions, seven days and their hours,
// and converts the answer, whatever its status, into a snapshot dated now. Nothing is stored.
// Throws kit::foundation::HttpError when no answer came (or the place lies nowhere on Earth)
// and kit::foundation::DecodeError when the answer is not a forecast.
WeatherSnapshot fetch(const Place &place, const Environment &environment = {});

} // namespace zavel::WeatherProvider
