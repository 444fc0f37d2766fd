#pragma once

// A thing the user picks in a configuration (a city, a place), known by an id string, its
// persistent form. Its default query supplies the picker's list and turns stored ids back into
// entities. Declare one as:
//   struct TimeZoneEntity {
//     static constexpr std::string_view typeName = "TimeZoneEntity";
//     static constexpr std::string_view typeDisplayRepresentation = "City";
//     using DefaultQuery = TimeZoneQuery;
//     std::string id;
//     kit::intents::DisplayRepresentation displayRepresentation() const;
//   };
//   struct TimeZoneQuery {
//     std::vector<TimeZoneEntity> entitiesFor(const std::vector<std::string> &ids) const;
//     std::vector<TimeZoneEntity> entitiesMatching(std::string_view text) const;
//     std::vector<TimeZoneEntity> suggestedEntities() const;
//     std::optional<TimeZoneEntity> defaultResult() const; // optional member
//   };
// Queries are called synchronously and must not throw. Optional members: an entity's
//   bool isKnown() const;                  // whether its id names something the system knows
// (the widget shows a fallback for one that names nothing; without it every id counts as known),
// and a query's
//   std::string searchUnavailable() const; // why a search by text cannot be made now, or empty

#include <concepts>
#include <string>
#include <string_view>
#include <vector>

namespace kit::intents {

// How an entity or an option is shown: its title.
struct DisplayRepresentation {
  std::string title;
  bool operator==(const DisplayRepresentation &) const = default;
};

template <class Q, class E>
concept EntityStringQuery = std::default_initializable<Q> &&
    requires(const Q &query, const std::vector<std::string> &ids, std::string_view text) {
  { query.entitiesFor(ids) } -> std::same_as<std::vector<E>>;
  { query.entitiesMatching(text) } -> std::same_as<std::vector<E>>;
  { query.suggestedEntities() } -> std::same_as<std::vector<E>>;
};

template <class E>
concept AppEntity = requires(const E &entity) {
  { E::typeName } -> std::convertible_to<std::string_view>;
  { E::typeDisplayRepresentation } -> std::convertible_to<std::string_view>;
  { entity.id } -> std::convertible_to<std::string>;
  { entity.displayRepresentation() } -> std::same_as<DisplayRepresentation>;
  requires EntityStringQuery<typename E::DefaultQuery, E>;
};

} // namespace kit::intents
