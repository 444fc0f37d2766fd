#pragma once

// Intents in JSON: an object of parameter name → value (ParameterValue.h). Reading starts from
// the intent's defaults: a missing member, or a null one for a parameter that is not optional,
// keeps the default; null makes an optional parameter none; an unknown raw value or an id the
// query refuses keeps the default; a value of the wrong form throws DecodeError naming the
// parameter. Unknown members are ignored. Writing gives every parameter, none as null.

#include "kit/foundation/JsonCoding.h"
#include "kit/intents/IntentDescription.h"
#include "kit/intents/Parameter.h"
#include "kit/intents/ParameterValue.h"

#include <concepts>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit::intents {

template <class T>
concept IntentType = std::default_initializable<T> && std::copy_constructible<T> && requires {
  { T::typeName } -> std::convertible_to<std::string_view>;
  { T::title } -> std::convertible_to<std::string_view>;
};

namespace detail {
template <class T> struct OptionalValue {
  using type = T;
  static constexpr bool isOptional = false;
};
template <class T> struct OptionalValue<std::optional<T>> {
  using type = T;
  static constexpr bool isOptional = true;
};

template <class Value> foundation::Json encodeValue(const Value &value) {
  using Traits = OptionalValue<Value>;
  if constexpr (Traits::isOptional)
    return value ? ParameterValue<typename Traits::type>::encode(*value) : foundation::Json();
  else
    return ParameterValue<Value>::encode(value);
}

template <class Value> void readValue(Value &target, const foundation::Json &json) {
  using Traits = OptionalValue<Value>;
  if (json.is_null()) {
    if constexpr (Traits::isOptional)
      target = std::nullopt;
    return;
  }
  if (auto value = ParameterValue<typename Traits::type>::decode(json))
    target = std::move(*value);
}

// An enum's raw values, or the texts the parameter lists.
template <class Intent, class Value>
std::vector<std::string> choicesOf(const Parameter<Intent, Value> &parameter) {
  using Base = typename OptionalValue<Value>::type;
  std::vector<std::string> choices;
  if constexpr (AppEnum<Base>) {
    for (const auto &entry : AppEnumDefinition<Base>::cases)
      choices.emplace_back(entry.rawValue);
  } else {
    choices.assign(parameter.choices.begin(), parameter.choices.end());
  }
  return choices;
}

template <class Intent, class Value> constexpr bool isIntegerOf(const Parameter<Intent, Value> &) {
  using Base = typename OptionalValue<Value>::type;
  return std::integral<Base> && !std::same_as<Base, bool>;
}

template <class Intent, class Value> std::string entityTypeOf(const Parameter<Intent, Value> &) {
  using Base = typename OptionalValue<Value>::type;
  if constexpr (AppEntity<Base>)
    return std::string(Base::typeName);
  else
    return {};
}
} // namespace detail

template <IntentType T> foundation::Json encodeParameters(const T &intent) {
  foundation::Json object = foundation::Json::object();
  forEachParameter<T>([&](const auto &parameter) {
    object[std::string(parameter.name)] = detail::encodeValue(intent.*parameter.member);
  });
  return object;
}

// Reads the parameters `json` holds over the values `intent` has.
template <IntentType T> void readParameters(T &intent, const foundation::Json &json) {
  foundation::requireObject(json);
  forEachParameter<T>([&](const auto &parameter) {
    auto found = json.find(parameter.name);
    if (found == json.end())
      return;
    try {
      detail::readValue(intent.*parameter.member, *found);
    } catch (const foundation::DecodeError &error) {
      throw foundation::DecodeError("parameter \"" + std::string(parameter.name) +
                                    "\": " + error.what());
    }
  });
}

template <IntentType T> T decodeParameters(const foundation::Json &json) {
  T intent{};
  readParameters(intent, json);
  return intent;
}

template <IntentType T> IntentDescription describeIntent() {
  IntentDescription description{std::string(T::typeName), std::string(T::title), {}};
  const T defaults{};
  forEachParameter<T>([&](const auto &parameter) {
    description.parameters.push_back({std::string(parameter.name), std::string(parameter.title),
                                      detail::encodeValue(defaults.*parameter.member),
                                      detail::choicesOf(parameter), detail::entityTypeOf(parameter),
                                      detail::isIntegerOf(parameter)});
  });
  return description;
}

} // namespace kit::intents

// An intent held in a record (a clock entry keeps its configuration) has the same form.
namespace kit::foundation {
template <intents::IntentType T>
requires(!detail::HasJsonFields<T>) struct JsonCoder<T> {
  static Json encode(const T &intent) { return intents::encodeParameters(intent); }
  static T decode(const Json &json) { return intents::decodeParameters<T>(json); }
};
} // namespace kit::foundation
