#pragma once

#include "kit/foundation/JsonCoding.h"
#include "kit/intents/AppEntity.h"

#include <functional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace kit::intents {

// An entity as a picker lists it; in JSON {"id", "title"}.
struct EntitySummary {
  std::string id;
  std::string title;
  bool operator==(const EntitySummary &) const = default;
  static constexpr auto jsonFields() {
    return std::tuple{foundation::field("id", &EntitySummary::id),
                      foundation::field("title", &EntitySummary::title)};
  }
};

// The default query of one entity type, reached by the type's name.
class AnyEntityQuery {
public:
  template <AppEntity E> static AnyEntityQuery of() {
    AnyEntityQuery query;
    query.typeName_ = E::typeName;
    query.typeDisplayRepresentation_ = E::typeDisplayRepresentation;
    query.suggested_ = [] { return summaries(typename E::DefaultQuery{}.suggestedEntities()); };
    query.matching_ = [](std::string_view text) {
      return summaries(typename E::DefaultQuery{}.entitiesMatching(text));
    };
    query.known_ = [](std::string_view id) {
      auto entities = typename E::DefaultQuery{}.entitiesFor({std::string(id)});
      if constexpr (requires(const E &entity) {
                      { entity.isKnown() } -> std::same_as<bool>;
                    })
        return !entities.empty() && entities.front().isKnown();
      else
        return !entities.empty();
    };
    query.searchUnavailable_ = [] {
      using Query = typename E::DefaultQuery;
      if constexpr (requires(const Query &query) {
                      { query.searchUnavailable() } -> std::same_as<std::string>;
                    })
        return Query{}.searchUnavailable();
      else
        return std::string();
    };
    return query;
  }

  const std::string &typeName() const { return typeName_; }
  const std::string &typeDisplayRepresentation() const { return typeDisplayRepresentation_; }
  std::vector<EntitySummary> suggestedEntities() const { return suggested_(); }
  std::vector<EntitySummary> entitiesMatching(std::string_view text) const {
    return matching_(text);
  }
  // Whether the id names an entity the system knows (a stored id is kept even when it does not).
  bool isKnown(std::string_view id) const { return known_(id); }
  // Why `entitiesMatching` cannot search now; empty when it can.
  std::string searchUnavailable() const { return searchUnavailable_(); }

private:
  template <AppEntity E> static std::vector<EntitySummary> summaries(const std::vector<E> &all) {
    std::vector<EntitySummary> result;
    for (const E &entity : all)
      result.push_back({std::string(entity.id), entity.displayRepresentation().title});
    return result;
  }

  std::string typeName_;
  std::string typeDisplayRepresentation_;
  std::function<std::vector<EntitySummary>()> suggested_;
  std::function<std::vector<EntitySummary>(std::string_view)> matching_;
  std::function<bool(std::string_view)> known_;
  std::function<std::string()> searchUnavailable_;
};

} // namespace kit::intents
