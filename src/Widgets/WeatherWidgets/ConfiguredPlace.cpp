#include "Widgets/WeatherWidgets/ConfiguredPlace.h"

#include "Shared/Data/WeatherProvider/DefaultPlace.h"

namespace zavel {

WeatherProvider::Place configuredPlace(const WeatherConfigIntent &configuration,
                                       const WeatherProvider::Environment &environment) {
  if (configuration.place)
    return configuration.place->place();
  return WeatherProvider::defaultPlace(environment);
}

} // namespace zavel
