#pragma once

// An enumeration the user picks from in a configuration, with a raw value (its stored form) and
// a display name per case. Declare one by specialising AppEnumDefinition:
//   enum class CasingOption { followApp, graphite, cream };
//   template <> struct kit::intents::AppEnumDefinition<CasingOption> {
//     static constexpr std::string_view typeDisplayRepresentation = "Casing";
//     static constexpr std::array<AppEnumCase<CasingOption>, 3> cases{{
//         {CasingOption::followApp, "followApp", "Follow app setting"},
//         {CasingOption::graphite, "graphite", "Graphite"},
//         {CasingOption::cream, "cream", "Cream"},
//     }};
//   };
// The cases are listed in their order (`allCases`). In JSON a case is its raw value.

#include "kit/foundation/JsonCoding.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <optional>
#include <string_view>
#include <type_traits>
#include <vector>

namespace kit::intents {

template <class E> struct AppEnumCase {
  E value;
  std::string_view rawValue;
  std::string_view displayName;
};

template <class E> struct AppEnumDefinition;

template <class E>
concept AppEnum = std::is_enum_v<E> && requires {
  { AppEnumDefinition<E>::typeDisplayRepresentation } -> std::convertible_to<std::string_view>;
  { AppEnumDefinition<E>::cases[std::size_t{0}] } -> std::convertible_to<AppEnumCase<E>>;
};

template <AppEnum E> constexpr std::string_view typeDisplayRepresentation() {
  return AppEnumDefinition<E>::typeDisplayRepresentation;
}

namespace detail {
template <AppEnum E> constexpr const AppEnumCase<E> &caseOf(E value) {
  for (const auto &entry : AppEnumDefinition<E>::cases)
    if (entry.value == value)
      return entry;
  // A value outside the declared cases reads as the first case.
  return AppEnumDefinition<E>::cases[0];
}
} // namespace detail

template <AppEnum E> constexpr std::string_view rawValue(E value) {
  return detail::caseOf(value).rawValue;
}

template <AppEnum E> constexpr std::string_view displayName(E value) {
  return detail::caseOf(value).displayName;
}

// The case with exactly this raw value (case-sensitive); none for any other text.
template <AppEnum E> constexpr std::optional<E> fromRawValue(std::string_view raw) {
  for (const auto &entry : AppEnumDefinition<E>::cases)
    if (entry.rawValue == raw)
      return entry.value;
  return std::nullopt;
}

template <AppEnum E> std::vector<E> allCases() {
  std::vector<E> values;
  for (const auto &entry : AppEnumDefinition<E>::cases)
    values.push_back(entry.value);
  return values;
}

} // namespace kit::intents

// In stored records a case is its raw value; any other text fails to decode.
namespace kit::foundation {
template <intents::AppEnum E> struct JsonCoder<E> {
  static Json encode(E value) { return std::string(kit::intents::rawValue(value)); }
  static E decode(const Json &json) {
    auto value = kit::intents::fromRawValue<E>(JsonCoder<std::string>::decode(json));
    if (!value)
      throw DecodeError("unknown raw value");
    return *value;
  }
};
} // namespace kit::foundation
