#pragma once

#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WeatherProvider/Place.h"
#include "Shared/Data/WidgetIntents/WeatherConfigIntent.h"

namespace zavel {

// The place a weather configuration looks at: the chosen place (a chosen place that cannot be
// read is the fallback place), else the default place, which is consulted only then.
WeatherProvider::Place configuredPlace(const WeatherConfigIntent &configuration,
                                       const WeatherProvider::Environment &environment);

} // namespace zavel
