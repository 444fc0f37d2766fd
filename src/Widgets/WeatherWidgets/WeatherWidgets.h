#pragma once

// The weather family's widgets, in gallery order.
#include "Widgets/WeatherWidgets/AirQualityWidget.h"
#include "Widgets/WeatherWidgets/DaylightWidget.h"
#include "Widgets/WeatherWidgets/MoonWidget.h"
#include "Widgets/WeatherWidgets/WeatherConditionsWidget.h"
#include "Widgets/WeatherWidgets/WeatherForecastWidget.h"
#include "Widgets/WeatherWidgets/WeatherRainWidget.h"
#include "Widgets/WeatherWidgets/WeatherSunColumnWidget.h"
