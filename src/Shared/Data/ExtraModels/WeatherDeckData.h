#pragma once

#include "Shared/Data/DeckState.h"
#include "Shared/Data/ExtraModels/DeckCity.h"
#include "Shared/Data/Models/WeatherSnapshot.h"

#include "kit/foundation/JsonCoding.h"

#include <string>
#include <tuple>
#include <vector>

namespace zavel {

// What one entry of the weather deck draws: the main place's weather in the configured unit,
// the screen the keys chose, the saved locations, and where the sun is in the place's day.
struct WeatherDeckData {
  WeatherSnapshot snapshot;
  DeckState::WeatherView view = DeckState::WeatherView::home;
  std::vector<DeckCity> cities; // in the configuration's order
  std::string sunsetLabel;      // "21:04", or "—" where the sun does not set
  double sunT = 0.5;            // 0.05 (sunrise) to 0.95 (sunset); 0.5 when unknown

  // Oslo on a partly cloudy day, two cities saved; built once per process.
  static const WeatherDeckData &sample();

  bool operator==(const WeatherDeckData &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    using D = WeatherDeckData;
    return std::tuple{field("snapshot", &D::snapshot), field("view", &D::view),
                      field("cities", &D::cities), field("sunsetLabel", &D::sunsetLabel),
                      field("sunT", &D::sunT)};
  }
};

} // namespace zavel

// A screen as its raw value, "home", "today", "week" or "fav".
template <> struct kit::foundation::JsonCoder<zavel::DeckState::WeatherView> {
  static Json encode(zavel::DeckState::WeatherView view) {
    return std::string(zavel::DeckState::rawValue(view));
  }
  static zavel::DeckState::WeatherView decode(const Json &json) {
    auto view = zavel::DeckState::weatherViewFromRawValue(JsonCoder<std::string>::decode(json));
    if (!view)
      throw DecodeError("not a weather deck screen");
    return *view;
  }
};
