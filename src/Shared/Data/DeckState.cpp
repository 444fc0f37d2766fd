#include "Shared/Data/DeckState.h"

#include "Shared/Data/CycledIndex.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/TextOperations.h"

#include <algorithm>
#include <vector>

namespace zavel::DeckState {

namespace {

constexpr std::array<std::string_view, 4> kRawValues{"home", "today", "week", "fav"};

NameSet nameSet(std::string_view key, const std::filesystem::path &home) {
  auto stored = SharedSuite::open(home).stringArray(key).value_or(std::vector<std::string>{});
  return NameSet(stored.begin(), stored.end());
}

kit::foundation::DefaultsValue storedForm(const NameSet &names) {
  return std::vector<std::string>(names.begin(), names.end());
}

bool setNameSet(std::string_view key, const NameSet &names, const std::filesystem::path &home) {
  return SharedSuite::open(home).set(key, storedForm(names));
}

// Takes `name` out of the stored set or puts it in; true when it was a member. None when nothing
// was written: the key holds something other than a list of names, which stays, or the store
// refused.
std::optional<bool> toggleStoredName(std::string_view key, std::string_view name,
                                     const std::filesystem::path &home) {
  using kit::foundation::DefaultsChange;
  std::optional<bool> wasMember;
  bool written = SharedSuite::update(
      key,
      [&](const std::optional<kit::foundation::DefaultsValue> &current) {
        auto stored =
            current ? kit::foundation::stringArrayOf(*current) : std::vector<std::string>();
        if (!stored)
          return DefaultsChange::keep();
        NameSet names(stored->begin(), stored->end());
        wasMember = toggleMember(names, name);
        return DefaultsChange::replace(storedForm(names));
      },
      home);
  return written ? wasMember : std::nullopt;
}

} // namespace

std::string_view rawValue(WeatherView view) { return kRawValues[static_cast<size_t>(view)]; }

std::optional<WeatherView> weatherViewFromRawValue(std::string_view rawValue) {
  auto found = std::find(kRawValues.begin(), kRawValues.end(), rawValue);
  if (found == kRawValues.end())
    return std::nullopt;
  return allWeatherViews[static_cast<size_t>(found - kRawValues.begin())];
}

bool CanonicalOrder::operator()(std::string_view a, std::string_view b) const {
  // UTF-8 byte order is code point order.
  return kit::foundation::precomposed(a) < kit::foundation::precomposed(b);
}

bool toggleMember(NameSet &names, std::string_view name) {
  auto found = names.find(name);
  if (found == names.end()) {
    names.emplace(name);
    return false;
  }
  names.erase(found);
  return true;
}

WeatherView weatherView(const std::filesystem::path &home) {
  auto stored = SharedSuite::open(home).string(weatherViewKey);
  if (!stored)
    return WeatherView::home;
  return weatherViewFromRawValue(*stored).value_or(WeatherView::home);
}

bool setWeatherView(WeatherView view, const std::filesystem::path &home) {
  return SharedSuite::open(home).set(weatherViewKey, std::string(rawValue(view)));
}

NameSet favCities(const std::filesystem::path &home) { return nameSet(favCitiesKey, home); }

bool setFavCities(const NameSet &cities, const std::filesystem::path &home) {
  return setNameSet(favCitiesKey, cities, home);
}

std::optional<bool> toggleFavCity(std::string_view name, const std::filesystem::path &home) {
  return toggleStoredName(favCitiesKey, name, home);
}

int64_t noteIndex(const std::filesystem::path &home) {
  return SharedSuite::open(home).integer(noteIndexKey);
}

bool setNoteIndex(int64_t index, const std::filesystem::path &home) {
  return SharedSuite::open(home).set(noteIndexKey, index);
}

bool cycleNoteIndex(int64_t step, int64_t count, const std::filesystem::path &home) {
  return SharedSuite::update(
      noteIndexKey,
      [&](const std::optional<kit::foundation::DefaultsValue> &stored) {
        int64_t index = cycledIndex(kit::foundation::integerOf(stored), step, count);
        return kit::foundation::DefaultsChange::replace(index);
      },
      home);
}

NameSet likedTracks(const std::filesystem::path &home) { return nameSet(likedTracksKey, home); }

bool setLikedTracks(const NameSet &tracks, const std::filesystem::path &home) {
  return setNameSet(likedTracksKey, tracks, home);
}

std::optional<bool> toggleLikedTrack(std::string_view track, const std::filesystem::path &home) {
  return toggleStoredName(likedTracksKey, track, home);
}

} // namespace zavel::DeckState
