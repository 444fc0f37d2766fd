#include "FuzzSupport.h"
#include "Harnesses.h"

#include "Shared/Data/ExtrasProviders/AirQualityProvider.h"
#include "Shared/Data/ExtrasProviders/StocksProvider.h"
#include "Shared/Data/WeatherProvider/APIResponse.h"
#include "Shared/Data/WeatherProvider/ForecastConversion.h"
#include "Shared/Data/WeatherProvider/PlaceSearch.h"
#include "Shared/Data/WeatherProvider/ServiceAnswer.h"

#include "kit/foundation/net/HttpError.h"

namespace zavel::fuzz {

namespace {

using kit::foundation::DecodeError;
using kit::foundation::HttpError;

// What a provider makes of an answer is cached as it is, so it must have a stored form.
template <class Record> void checkStorable(const Record &record, std::string_view what) {
  require(kit::foundation::encodeJsonData(record).has_value(), what);
}

// Runs `read` on the answer; an answer it refuses is no finding.
template <class Read> void answer(Read read) {
  try {
    read();
  } catch (const DecodeError &) {
  } catch (const HttpError &) {
  }
}

} // namespace

int fuzzServiceAnswers(const std::uint8_t *data, std::size_t size) {
  fuzzingHome();
  std::string_view body = textOf(data, size);
  answer([&] {
    using namespace WeatherProvider;
    auto response = decodeAnswer<APIResponse>(body);
    for (bool uses24Hour : {false, true}) {
      ConversionSettings settings{.now = fuzzNow, .uses24Hour = uses24Hour};
      checkStorable(convertForecast(response, Place{"Oslo", 59.91, 10.75}, settings),
                    "a forecast that cannot be cached");
    }
  });
  answer([&] {
    for (const auto &place : WeatherProvider::placesFromAnswer(body))
      checkStorable(place, "a found place that cannot be stored as the default place");
  });
  answer([&] {
    checkStorable(AirQualityProvider::airQualityFromAnswer(body, fuzzNow),
                  "an air quality that cannot be cached");
  });
  answer([&] {
    checkStorable(StocksProvider::quoteFromAnswer(body, "AAPL", fuzzNow),
                  "a quote that cannot be cached");
  });
  return 0;
}

} // namespace zavel::fuzz
