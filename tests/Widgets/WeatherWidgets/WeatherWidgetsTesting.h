#pragma once

#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WidgetIntents/WeatherConfigIntent.h"
#include "support/FakeHttpServer.h"
#include "support/ForecastFixture.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include "kit/widgets/ReloadPolicy.h"
#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace zavel::test {

// A widget on the desktop and one in the gallery; the providers do not look at the family.
inline const kit::widgets::TimelineContext kOnScreen =
    kit::widgets::TimelineContext::of(kit::widgets::WidgetFamily::systemSmall);

inline const WeatherProvider::Place kBerlin{"Berlin", 52.52, 13.405};

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

// The coordinates of every request `server` had for `path`, in order.
inline std::vector<std::pair<double, double>>
askedCoordinates(const testsupport::FakeHttpServer &server, const std::string &path) {
  std::vector<std::pair<double, double>> coordinates;
  for (const auto &request : server.requests(path))
    coordinates.emplace_back(std::stod(request.queryValue("latitude").value_or("nan")),
                             std::stod(request.queryValue("longitude").value_or("nan")));
  return coordinates;
}

inline std::pair<double, double> coordinatesOf(const WeatherProvider::Place &place) {
  return {place.latitude, place.longitude};
}

inline kit::widgets::ReloadPolicy reloadAfterMinutes(kit::foundation::Date now, int minutes) {
  return kit::widgets::ReloadPolicy::after(now.addingTimeInterval(minutes * 60.0));
}

// Expects three entries of `data` in `casing` at `now`, ten and twenty minutes later, and a reload
// after `reloadMinutes`.
template <class Entry, class Data>
void expectTenMinuteTimeline(const kit::widgets::Timeline<Entry> &timeline,
                             kit::foundation::Date now, const Data &data, CasingOption casing,
                             int reloadMinutes) {
  std::vector<Entry> expected;
  for (double offset : {0, 600, 1200})
    expected.push_back(Entry{now.addingTimeInterval(offset), data, casing});
  EXPECT_EQ(timeline.entries, expected);
  EXPECT_EQ(timeline.policy, reloadAfterMinutes(now, reloadMinutes));
}

// Expects the gallery's snapshot and the placeholder to show `sample` at `now`: in the configured
// casing and in the one that follows the app.
template <class Provider, class Data>
void expectSamplePreviews(const Provider &provider, const typename Provider::Intent &configuration,
                          kit::foundation::Date now, const Data &sample) {
  using Entry = typename Provider::Entry;
  EXPECT_EQ(
      provider.snapshot(configuration, kit::widgets::TimelineContext::of(kOnScreen.family, true)),
      (Entry{now, sample, configuration.casing}));
  EXPECT_EQ(provider.placeholder(kOnScreen), (Entry{now, sample, CasingOption::followApp}));
}

// A home and the fake web services, in Berlin's zone, with the clock at the forecast moment.
class WeatherProviderTest : public ::testing::Test {
protected:
  WeatherProvider::Environment environment(kit::foundation::Date at) const {
    return serviceEnvironment(server, home.path(), at);
  }

  TempHome home;
  testsupport::FakeHttpServer server;
  ScopedLocaleAndZone locale{"en_GB", "Europe/Berlin"};
  const kit::foundation::Date now = forecastMoment();
};

} // namespace zavel::test
