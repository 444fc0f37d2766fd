#pragma once

#include "kit/foundation/ZavelHome.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>

// What the featured decks remember between renders, kept in the shared suite: the weather
// deck's screen and saved cities, the notes deck's position and the loved tracks. Every read and
// write goes to the suite; nothing is cached.
namespace zavel::DeckState {

inline constexpr std::string_view weatherViewKey = "zavel.deck.weather.view";
inline constexpr std::string_view favCitiesKey = "zavel.deck.weather.favs";
inline constexpr std::string_view noteIndexKey = "zavel.deck.notes.idx";
inline constexpr std::string_view likedTracksKey = "zavel.media.liked.v1";

// The weather deck's screens.
enum class WeatherView { home, today, week, fav };
inline constexpr std::array<WeatherView, 4> allWeatherViews{WeatherView::home, WeatherView::today,
                                                            WeatherView::week, WeatherView::fav};

std::string_view rawValue(WeatherView view);
// Exactly "home", "today", "week" or "fav"; none for any other text.
std::optional<WeatherView> weatherViewFromRawValue(std::string_view rawValue);

// Orders names by their composed form, so two spellings of the same text are one member, and
// upper-case ASCII sorts before lower case.
struct CanonicalOrder {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};
// Names as the decks keep them: no order of their own, no duplicates.
using NameSet = std::set<std::string, CanonicalOrder>;

// Takes `name` out of the set when it is a member, else puts it in; true when it was a member.
bool toggleMember(NameSet &names, std::string_view name);

// Every write below says whether it stored anything: false (or none) when the store refused or
// the stored value was left as it was.

// The screen; home when none is stored or the stored text names no screen.
WeatherView weatherView(const std::filesystem::path &home = kit::foundation::zavelHome());
bool setWeatherView(WeatherView view,
                    const std::filesystem::path &home = kit::foundation::zavelHome());

// The saved city names, exactly as the deck lists them.
NameSet favCities(const std::filesystem::path &home = kit::foundation::zavelHome());
// Stored as a sorted array, an empty one included.
bool setFavCities(const NameSet &cities,
                  const std::filesystem::path &home = kit::foundation::zavelHome());
// Saves the city, or forgets it when it was saved; true when it was saved. Like every change
// below that depends on the stored value, one write of the suite that no other writer's comes
// between. A stored value that is not a list of names is someone else's: it is left as it is,
// and the answer is none.
std::optional<bool> toggleFavCity(std::string_view name,
                                  const std::filesystem::path &home = kit::foundation::zavelHome());

// The notes deck's position in the note list, newest edit first, as stored: readers bring it
// into range (shownIndex).
int64_t noteIndex(const std::filesystem::path &home = kit::foundation::zavelHome());
bool setNoteIndex(int64_t index, const std::filesystem::path &home = kit::foundation::zavelHome());

// Moves the stored position `step` notes on around the `count` notes (cycledIndex) and stores
// it, in one write of the suite that no other writer's comes between.
bool cycleNoteIndex(int64_t step, int64_t count,
                    const std::filesystem::path &home = kit::foundation::zavelHome());

// The loved tracks, each "title|artist".
NameSet likedTracks(const std::filesystem::path &home = kit::foundation::zavelHome());
bool setLikedTracks(const NameSet &tracks,
                    const std::filesystem::path &home = kit::foundation::zavelHome());
// Loves the track ("title|artist"), or stops loving it when it was loved; true when it was.
// None when nothing changed: the stored value is not a list of names (it is left as it is), or
// the store refused the write.
std::optional<bool>
toggleLikedTrack(std::string_view track,
                 const std::filesystem::path &home = kit::foundation::zavelHome());

} // namespace zavel::DeckState
