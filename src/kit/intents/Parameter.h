#pragma once

// The parameters of an intent: each names a data member, with the name it has in JSON and the
// title the configuration shows. An intent lists them once, in declaration order:
//   struct AddStepsIntent {
//     int64_t steps = 1000; // the declared default
//     static constexpr auto parameters() {
//       return std::tuple{kit::intents::parameter("steps", "Steps", &AddStepsIntent::steps)};
//     }
//   };
// A parameter's default is the member's value in a default-made intent. An intent without
// parameters may leave `parameters()` out. A text parameter that holds one of a few values lists
// them, as a configuration offers them (an enum's cases are its choices without this):
//   static constexpr std::array<std::string_view, 2> sizes{"cup", "mug"};
//   parameter("size", "Size", &PourIntent::size, sizes)

#include <span>
#include <string_view>
#include <tuple>
#include <utility>

namespace kit::intents {

template <class Intent, class Value> struct Parameter {
  std::string_view name;
  std::string_view title;
  Value Intent::*member;
  // The values offered; empty for any.
  std::span<const std::string_view> choices;
};

template <class Intent, class Value>
constexpr Parameter<Intent, Value> parameter(std::string_view name, std::string_view title,
                                             Value Intent::*member,
                                             std::span<const std::string_view> choices = {}) {
  return {name, title, member, choices};
}

template <class T>
concept HasParameters = requires {
  T::parameters();
};

template <class T> constexpr auto parametersOf() {
  if constexpr (HasParameters<T>)
    return T::parameters();
  else
    return std::tuple<>{};
}

// Calls `visit` with each parameter of `T`, in declaration order.
template <class T, class Visit> void forEachParameter(Visit &&visit) {
  std::apply([&](const auto &...parameters) { (visit(parameters), ...); }, parametersOf<T>());
}

} // namespace kit::intents
