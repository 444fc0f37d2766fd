#include "Shared/Data/WeatherProvider/WeatherCache.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/WeatherProvider/Fetch.h"

#include "kit/foundation/JsonCoding.h"

#include <cstdint>
#include <exception>
#include <tuple>

namespace zavel::WeatherProvider {

namespace {

// One stored entry, with the coordinates it was written for, so an entry copied under another
// key is not taken for that key's place.
struct Cache {
  std::string placeKey;
  WeatherSnapshot snapshot;

  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("placeKey", &Cache::placeKey), field("snapshot", &Cache::snapshot)};
  }
};

// Whole hundredths of a degree; an integer has no minus zero.
std::string hundredths(double degrees) {
  return std::to_string(static_cast<int64_t>(degrees * 100));
}

std::optional<std::string> cacheSuffix(const Place &place) {
  // Coordinates on the globe keep the hundredths well inside the integer range.
  if (!hasValidCoordinates(place))
    return std::nullopt;
  return hundredths(place.latitude) + "," + hundredths(place.longitude);
}

// Replaces the place's entry; writes nothing when the snapshot cannot be encoded.
void store(const WeatherSnapshot &snapshot, const Place &place, const std::filesystem::path &home) {
  auto suffix = cacheSuffix(place);
  if (!suffix)
    return;
  SharedSuite::write(std::string(cacheKeyPrefix) + *suffix, Cache{*suffix, snapshot}, home);
}

} // namespace

std::optional<std::string> cacheKey(const Place &place) {
  auto suffix = cacheSuffix(place);
  if (!suffix)
    return std::nullopt;
  return std::string(cacheKeyPrefix) + *suffix;
}

std::optional<WeatherSnapshot> cached(const Place &place, const std::filesystem::path &home) {
  auto suffix = cacheSuffix(place);
  if (!suffix)
    return std::nullopt;
  auto entry = SharedSuite::read<Cache>(std::string(cacheKeyPrefix) + *suffix, home);
  if (!entry || entry->placeKey != *suffix)
    return std::nullopt;
  return std::move(entry->snapshot);
}

std::optional<WeatherSnapshot> snapshot(const Place &place, const Environment &environment) {
  auto stored = cached(place, environment.home);
  if (stored && environment.clock.now().timeIntervalSince(stored->updated) < freshnessSeconds)
    return stored;
  try {
    WeatherSnapshot fresh = fetch(place, environment);
    store(fresh, place, environment.home);
    return fresh;
  } catch (const std::exception &) {
    // The widgets show what was stored, however old, or their sample.
  }
  return cached(place, environment.home);
}

} // namespace zavel::WeatherProvider
