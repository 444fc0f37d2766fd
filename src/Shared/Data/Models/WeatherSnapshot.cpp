#include "Shared/Data/Models/WeatherSnapshot.h"

#include "kit/foundation/Clock.h"
#include "kit/foundation/Saturating.h"

namespace zavel {

using kit::foundation::wholeRounded;

namespace {

int64_t fahrenheit(int64_t celsius) {
  return wholeRounded(static_cast<double>(celsius) * 9.0 / 5.0 + 32.0);
}

WeatherSnapshot makeSample() {
  WeatherSnapshot sample;
  sample.place = "London";
  sample.temperature = 23;
  sample.condition = "Partly cloudy";
  sample.high = 27;
  sample.low = 18;
  sample.feelsLike = 25;
  sample.isNight = false;
  sample.days = {{"Thu", 26, 17, false}, {"Fri", 28, 19, false}, {"Sat", 31, 21, true},
                 {"Sun", 27, 18, false}, {"Mon", 24, 16, false}, {"Tue", 22, 15, false}};
  // Fixed texts and a fixed chance: the sample does not follow the locale or its own bars.
  sample.rainChance = 0.4;
  sample.rainHours = {{"17", 0.25, false}, {"19", 0.375, false}, {"21", 0.625, false},
                      {"23", 1.0, true},   {"01", 0.75, false},  {"03", 0.375, false},
                      {"05", 0.125, false}};
  sample.updated = kit::foundation::systemNow();
  sample.code = 2;
  sample.windKmh = 14;
  sample.humidity = 62;
  sample.uvIndex = 3;
  sample.visibilityKm = 9;
  sample.pressureHpa = 1013;
  sample.latitude = 51.5072;
  sample.longitude = -0.1276;
  sample.timeZoneID = "Europe/London";
  return sample;
}

} // namespace

kit::foundation::TimeZone WeatherSnapshot::placeTimeZone() const {
  if (timeZoneID)
    if (auto zone = kit::foundation::TimeZone::named(*timeZoneID))
      return *zone;
  return kit::foundation::TimeZone::current();
}

WeatherSnapshot WeatherSnapshot::inFahrenheit() const {
  WeatherSnapshot converted = *this;
  for (int64_t *degrees :
       {&converted.temperature, &converted.high, &converted.low, &converted.feelsLike})
    *degrees = fahrenheit(*degrees);
  for (auto &day : converted.days) {
    day.high = fahrenheit(day.high);
    day.low = fahrenheit(day.low);
  }
  return converted;
}

const WeatherSnapshot &WeatherSnapshot::sample() {
  static const WeatherSnapshot snapshot = makeSample();
  return snapshot;
}

} // namespace zavel
