#pragma once

#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WeatherProvider/Place.h"
#include "Shared/Data/WidgetIntents/WeatherConfigIntent.h"
#include "support/FakeHttpServer.h"
#include "support/ForecastFixture.h"
#include "support/TempHome.h"

#include "kit/foundation/Date.h"
#include "kit/widgets/ReloadPolicy.h"
#include "kit/widgets/TimelineContext.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace zavel::test {

// A widget on the desktop and one in the gallery; the providers do not look at the family.
inline const kit::widgets::TimelineContext kOnScreen =
    kit::widgets::TimelineContext::of(kit::widgets::WidgetFamily::systemSmall);
inline const kit::widgets::TimelineContext kInGallery =
    kit::widgets::TimelineContext::of(kit::widgets::WidgetFamily::systemSmall, true);

inline const WeatherProvider::Place kBerlin{"Berlin", 52.52, 13.405};
inline const WeatherProvider::Place kParis{"Paris", 48.8566, 2.3522};

// A weather configuration for a place (none: the default place).
inline WeatherConfigIntent weatherConfiguration(std::optional<WeatherProvider::Place> place,
                                                TempUnitOption unit = TempUnitOption::system,
                                                CasingOption casing = CasingOption::followApp) {
  WeatherConfigIntent configuration;
  if (place)
    configuration.place = WeatherPlaceEntity::of(*place);
  configuration.unit = unit;
  configuration.casing = casing;
  return configuration;
}

// A home and the web services the weather widgets ask, with the clock at the forecast moment.
struct WeatherWorld {
  TempHome home;
  testsupport::FakeHttpServer server;

  // The home and services, with the clock at `now`.
  WeatherProvider::Environment environment(kit::foundation::Date now = forecastMoment()) const {
    return serviceEnvironment(server, home.path(), now);
  }
  // The same, where no service answers.
  WeatherProvider::Environment offline(kit::foundation::Date now = forecastMoment()) const {
    WeatherProvider::Environment environment = this->environment(now);
    environment.forecastAddress = unreachableAddress;
    environment.geocodingAddress = unreachableAddress;
    return environment;
  }
  // The coordinates of every request made to the service at `path`, in order.
  std::vector<std::pair<double, double>> askedCoordinates(const std::string &path) const {
    std::vector<std::pair<double, double>> coordinates;
    for (const auto &request : server.requests(path))
      coordinates.emplace_back(std::stod(request.queryValue("latitude").value_or("nan")),
                               std::stod(request.queryValue("longitude").value_or("nan")));
    return coordinates;
  }
};

inline std::pair<double, double> coordinatesOf(const WeatherProvider::Place &place) {
  return {place.latitude, place.longitude};
}

// A reload once `minutes` minutes after `now` have passed.
inline kit::widgets::ReloadPolicy reloadAfterMinutes(kit::foundation::Date now, int minutes) {
  return kit::widgets::ReloadPolicy::after(now.addingTimeInterval(minutes * 60.0));
}

// The dates of a timeline's entries, in seconds after `now`.
template <class Entry>
std::vector<double> offsetsFrom(kit::foundation::Date now, const std::vector<Entry> &entries) {
  std::vector<double> offsets;
  for (const Entry &entry : entries)
    offsets.push_back(entry.date.timeIntervalSince(now));
  return offsets;
}

} // namespace zavel::test
