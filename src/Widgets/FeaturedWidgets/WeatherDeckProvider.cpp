#include "Widgets/FeaturedWidgets/WeatherDeckProvider.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Data/DeckState.h"
#include "Shared/Data/SkyMath.h"
#include "Shared/Data/WeatherProvider/WeatherCache.h"
#include "Shared/Views/TemperatureText.h"
#include "Widgets/Shell/SteppedEntries.h"
#include "kit/foundation/tasks/ConcurrentWork.h"

#include "kit/foundation/TextOperations.h"

#include <algorithm>
#include <array>

namespace zavel {

using kit::foundation::Date;
using kit::widgets::ReloadPolicy;

namespace {

constexpr int reloadMinutes = 30;
constexpr std::array<int, 3> entryMinutes{0, 10, 20};

// Where the sun stands when it cannot be placed.
constexpr double unplacedSun = 0.5;

struct SunPlace {
  std::string sunsetLabel = "—";
  double t = unplacedSun;
};

// How far `date` lies between sunrise and sunset, kept off the arc's ends; none for a day that
// has no length.
std::optional<double> dayFraction(const SkyMath::SunTimes &sun, Date date) {
  double length = sun.sunset.timeIntervalSince(sun.sunrise);
  if (!(length > 0))
    return std::nullopt;
  return std::clamp(date.timeIntervalSince(sun.sunrise) / length, 0.05, 0.95);
}

// The sun at the snapshot's coordinates, each taken from the place where the snapshot has none.
SunPlace sunPlace(const WeatherSnapshot &snapshot, const WeatherProvider::Place &place, Date now,
                  const std::filesystem::path &home) {
  auto sun = SkyMath::sunTimes(now, snapshot.latitude.value_or(place.latitude),
                               snapshot.longitude.value_or(place.longitude));
  if (!sun)
    return {};
  return {ClockFormat::hhmm(sun->sunset, snapshot.placeTimeZone(), home),
          dayFraction(*sun, now).value_or(unplacedSun)};
}

// The current temperature of every place in its own slot, fetched side by side; none where no
// weather could be had.
std::array<std::optional<int64_t>, 4>
temperatures(const std::array<WeatherProvider::Place, 4> &places,
             const WeatherDeckConfigIntent &configuration,
             const WeatherProvider::Environment &environment) {
  std::array<std::optional<int64_t>, 4> found;
  kit::foundation::forEachConcurrently(places.size(), places.size(), [&](std::size_t i) {
    if (auto weather = WeatherProvider::snapshot(places[i], environment))
      found[i] = configuration.localized(*weather).temperature;
  });
  return found;
}

std::vector<DeckCity> cityRows(const std::array<WeatherProvider::Place, 4> &places,
                               const std::array<std::optional<int64_t>, 4> &temperatures,
                               const DeckState::NameSet &saved) {
  std::vector<DeckCity> rows;
  for (std::size_t i = 0; i < places.size(); ++i) {
    std::string name = kit::foundation::uppercased(places[i].name);
    std::string temp = temperatures[i] ? temperatureText(*temperatures[i]) : "—";
    bool fav = saved.contains(name);
    rows.push_back({std::move(name), std::move(temp), fav});
  }
  return rows;
}

} // namespace

WeatherDeckData WeatherDeckTimeline::live(const Intent &configuration, Date now) const {
  // The first saved place is the deck's own.
  std::array<WeatherProvider::Place, 4> places = configuration.savedPlaces(environment);
  std::optional<WeatherSnapshot> main = WeatherProvider::snapshot(places[0], environment);
  WeatherSnapshot snapshot = main ? configuration.localized(*main) : WeatherSnapshot::sample();
  DeckState::NameSet saved = DeckState::favCities(environment.home);
  std::vector<DeckCity> cities =
      cityRows(places, temperatures(places, configuration, environment), saved);
  SunPlace sun = sunPlace(snapshot, places[0], now, environment.home);
  return {.snapshot = std::move(snapshot),
          .view = DeckState::weatherView(environment.home),
          .cities = std::move(cities),
          .sunsetLabel = std::move(sun.sunsetLabel),
          .sunT = sun.t};
}

std::optional<double> WeatherDeckTimeline::sunPosition(const WeatherSnapshot &snapshot,
                                                       Date date) const {
  if (!snapshot.latitude || !snapshot.longitude)
    return std::nullopt;
  auto sun = SkyMath::sunTimes(environment.clock.now(), *snapshot.latitude, *snapshot.longitude);
  if (!sun)
    return std::nullopt;
  return dayFraction(*sun, date);
}

kit::widgets::Timeline<WeatherDeckEntry>
WeatherDeckTimeline::timeline(const Intent &configuration) const {
  Date now = environment.clock.now();
  WeatherDeckData data = live(configuration, now);
  std::vector<WeatherDeckEntry> entries;
  for (int minutes : entryMinutes) {
    WeatherDeckEntry entry{minutesAfter(now, minutes), data, configuration.casing};
    entry.data.sunT = sunPosition(data.snapshot, entry.date).value_or(data.sunT);
    entries.push_back(std::move(entry));
  }
  return {std::move(entries), ReloadPolicy::after(minutesAfter(now, reloadMinutes))};
}

} // namespace zavel
