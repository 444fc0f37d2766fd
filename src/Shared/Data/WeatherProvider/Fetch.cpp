#include "Shared/Data/WeatherProvider/Fetch.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Data/WeatherProvider/APIResponse.h"
#include "Shared/Data/WeatherProvider/CoordinateText.h"
#include "Shared/Data/WeatherProvider/ForecastConversion.h"
#include "Shared/Data/WeatherProvider/ServiceAnswer.h"

#include "kit/foundation/net/HttpError.h"
#include "kit/foundation/net/HttpSession.h"
#include "kit/foundation/net/URLEncoding.h"

namespace zavel::WeatherProvider {

namespace {

using namespace kit::foundation;

std::string forecastURL(const Place &place, const std::optional<std::string> &address) {
  return urlWithQueryItems(
      serviceURL(address, "/v1/forecast"),
      {{"latitude", coordinateText(place.latitude)},
       {"longitude", coordinateText(place.longitude)},
       {"current", "temperature_2m,apparent_temperature,weather_code,is_day,"
                   "relative_humidity_2m,wind_speed_10m,surface_pressure,uv_index"},
       {"daily", "temperature_2m_max,temperature_2m_min,weather_code"},
       {"hourly", "precipitation_probability,visibility"},
       {"forecast_days", "7"},
       {"timezone", "auto"}});
}

} // namespace

WeatherSnapshot fetch(const Place &place, const Environment &environment) {
  if (!hasValidCoordinates(place))
    throw HttpError(HttpError::Code::badURL, "no forecast for a place off the globe");
  HttpResponse response =
      HttpSession::shared().data(forecastURL(place, environment.forecastAddress));
  auto answer = decodeAnswer<APIResponse>(response.body);
  ConversionSettings settings{environment.clock.now(), ClockFormat::uses24Hour(environment.home)};
  return convertForecast(answer, place, settings);
}

} // namespace zavel::WeatherProvider
