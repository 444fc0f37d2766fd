#include "Shared/Data/ExtraModels/WeatherDeckData.h"

namespace zavel {

namespace {

WeatherDeckData makeSample() {
  // Everything the deck does not show as Oslo's stays the built-in sample's.
  WeatherSnapshot oslo = WeatherSnapshot::sample();
  oslo.place = "Oslo";
  oslo.temperature = 7;
  oslo.condition = "Partly cloudy";
  oslo.high = 8;
  oslo.low = 2;
  oslo.feelsLike = 5;
  oslo.latitude = 59.9139;
  oslo.longitude = 10.7522;
  oslo.timeZoneID = "Europe/Oslo";
  oslo.days = {{"Sat", 7, 1, false}, {"Sun", 5, 0, false}, {"Mon", 9, 3, true},
               {"Tue", 9, 4, false}, {"Wed", 6, 2, false}, {"Thu", 8, 1, false}};
  return {.snapshot = std::move(oslo),
          .view = DeckState::WeatherView::home,
          .cities = {{"OSLO", "7°", true},
                     {"KYOTO", "29°", false},
                     {"LISBON", "24°", true},
                     {"SYDNEY", "12°", false}},
          .sunsetLabel = "21:04",
          .sunT = 0.34};
}

} // namespace

const WeatherDeckData &WeatherDeckData::sample() {
  static const WeatherDeckData sample = makeSample();
  return sample;
}

} // namespace zavel
