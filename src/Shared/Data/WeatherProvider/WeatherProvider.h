#pragma once

// The weather of a place: fetched from the forecast service, converted into a snapshot and kept
// per place in the shared suite; places found by name through the geocoding service; the place
// of a widget that has none set.
#include "Shared/Data/WeatherProvider/ConditionText.h"
#include "Shared/Data/WeatherProvider/DefaultPlace.h"
#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WeatherProvider/Fetch.h"
#include "Shared/Data/WeatherProvider/Place.h"
#include "Shared/Data/WeatherProvider/PlaceSearch.h"
#include "Shared/Data/WeatherProvider/WeatherCache.h"
