#pragma once

// A small app's intents: a configuration with one parameter of every kind, an enum, an entity
// with its query, and button intents whose perform posts a notification naming what it did.

#include "kit/foundation/Date.h"
#include "kit/foundation/notifications/DistributedNotificationCenter.h"
#include "kit/intents/AppEntity.h"
#include "kit/intents/AppEnum.h"
#include "kit/intents/AppIntent.h"
#include "kit/intents/Parameter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace kit::intents::testing {

enum class Roast { light, medium, dark };

} // namespace kit::intents::testing

template <> struct kit::intents::AppEnumDefinition<kit::intents::testing::Roast> {
  using Roast = kit::intents::testing::Roast;
  static constexpr std::string_view typeDisplayRepresentation = "Roast";
  static constexpr std::array<AppEnumCase<Roast>, 3> cases{{
      {Roast::light, "light", "Light roast"},
      {Roast::medium, "medium", "Medium roast"},
      {Roast::dark, "dark", "Dark roast"},
  }};
};

namespace kit::intents::testing {

struct CafeQuery;

// A café known by "City/Name"; its title is the name. An id without a city names no café.
struct CafeEntity {
  static constexpr std::string_view typeName = "CafeEntity";
  static constexpr std::string_view typeDisplayRepresentation = "Café";
  using DefaultQuery = CafeQuery;
  std::string id;
  DisplayRepresentation displayRepresentation() const {
    auto slash = id.find('/');
    return {slash == std::string::npos ? id : id.substr(slash + 1)};
  }
  bool isKnown() const { return id.find('/') != std::string::npos; }
  bool operator==(const CafeEntity &) const = default;
};

struct CafeQuery {
  static std::vector<CafeEntity> all() {
    return {{"Oslo/Fuglen"}, {"Oslo/Tim Wendelboe"}, {"Lisbon/Fábrica"}, {"Kyoto/Weekenders"}};
  }
  // Ids are taken as they are, except those marked closed with a leading "!".
  std::vector<CafeEntity> entitiesFor(const std::vector<std::string> &ids) const {
    std::vector<CafeEntity> entities;
    for (const auto &id : ids)
      if (!id.starts_with("!"))
        entities.push_back({id});
    return entities;
  }
  std::vector<CafeEntity> entitiesMatching(std::string_view text) const {
    std::vector<CafeEntity> entities;
    for (const auto &cafe : all())
      if (cafe.displayRepresentation().title.find(text) != std::string::npos)
        entities.push_back(cafe);
    return entities;
  }
  std::vector<CafeEntity> suggestedEntities() const {
    auto cafes = all();
    cafes.resize(2);
    return cafes;
  }
};

struct BrewConfigIntent {
  static constexpr std::string_view typeName = "BrewConfigIntent";
  static constexpr std::string_view title = "Brew Options";
  std::string label = "Morning";
  int64_t cups = 2;
  double strength = 0.5;
  bool decaf = false;
  std::optional<foundation::Date> start;
  Roast roast = Roast::medium;
  std::optional<Roast> spareRoast = Roast::dark;
  std::optional<CafeEntity> cafe;
  static constexpr auto parameters() {
    return std::tuple{
        parameter("label", "Label", &BrewConfigIntent::label),
        parameter("cups", "Cups", &BrewConfigIntent::cups),
        parameter("strength", "Strength", &BrewConfigIntent::strength),
        parameter("decaf", "Decaf", &BrewConfigIntent::decaf),
        parameter("start", "Start", &BrewConfigIntent::start),
        parameter("roast", "Roast", &BrewConfigIntent::roast),
        parameter("spareRoast", "Spare roast", &BrewConfigIntent::spareRoast),
        parameter("cafe", "Café", &BrewConfigIntent::cafe),
    };
  }
};

// Posts "test.pour.<cups>.<style>".
struct PourIntent {
  static constexpr std::string_view typeName = "PourIntent";
  static constexpr std::string_view title = "Pour a Cup";
  int64_t cups = 1;
  std::string style = "espresso";
  static constexpr std::array<std::string_view, 3> styles{"espresso", "lungo", "cold brew"};
  static constexpr auto parameters() {
    return std::tuple{parameter("cups", "Cups", &PourIntent::cups),
                      parameter("style", "Style", &PourIntent::style, styles)};
  }
  IntentResult perform() const noexcept {
    foundation::DistributedNotificationCenter::defaultCenter().postNotificationName(
        "test.pour." + std::to_string(cups) + "." + style);
    return IntentResult::result();
  }
};

// No parameters; posts "test.rinse".
struct RinseIntent {
  static constexpr std::string_view typeName = "RinseIntent";
  static constexpr std::string_view title = "Rinse";
  IntentResult perform() const noexcept {
    foundation::DistributedNotificationCenter::defaultCenter().postNotificationName("test.rinse");
    return IntentResult::result();
  }
};

} // namespace kit::intents::testing
