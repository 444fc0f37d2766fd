#pragma once

// How one parameter's value is written to and read from JSON: text, whole numbers, numbers and
// booleans as themselves; dates as ISO 8601 text; app enums by raw value; entities by id.
// `decode` throws DecodeError for a value of the wrong form and gives none for a value of the
// right form that names nothing (an unknown raw value, an id the entity's query refuses), which
// leaves the parameter at its default.

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/intents/AppEntity.h"
#include "kit/intents/AppEnum.h"

#include <concepts>
#include <optional>
#include <string>

namespace kit::intents {

template <class T> struct ParameterValue;

template <class T>
concept PlainParameterValue = std::same_as<T, std::string> || std::same_as<T, double> ||
    std::same_as<T, bool> || std::integral<T>;

template <PlainParameterValue T> struct ParameterValue<T> {
  static foundation::Json encode(const T &value) { return foundation::encodeJson(value); }
  static std::optional<T> decode(const foundation::Json &json) {
    return foundation::decodeJson<T>(json);
  }
};

template <> struct ParameterValue<foundation::Date> {
  // Whole seconds as "2025-03-01T09:30:00Z", finer dates with milliseconds.
  static foundation::Json encode(foundation::Date value);
  static std::optional<foundation::Date> decode(const foundation::Json &json);
};

template <AppEnum E> struct ParameterValue<E> {
  static foundation::Json encode(E value) { return std::string(rawValue(value)); }
  static std::optional<E> decode(const foundation::Json &json) {
    return fromRawValue<E>(foundation::decodeJson<std::string>(json));
  }
};

template <AppEntity E> struct ParameterValue<E> {
  static foundation::Json encode(const E &entity) { return std::string(entity.id); }
  // The entity the default query gives for the id.
  static std::optional<E> decode(const foundation::Json &json) {
    auto entities =
        typename E::DefaultQuery{}.entitiesFor({foundation::decodeJson<std::string>(json)});
    if (entities.empty())
      return std::nullopt;
    return entities.front();
  }
};

} // namespace kit::intents
