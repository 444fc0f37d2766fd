#pragma once

// Intents: value types with a type name (how the host and the views name them), a title and
// parameters (see Parameter.h).
//
// A widget configuration intent holds what the user set for one widget; it has no perform:
//   struct CountdownConfigIntent {
//     static constexpr std::string_view typeName = "CountdownConfigIntent";
//     static constexpr std::string_view title = "Countdown Options";
//     std::string name = "Launch";
//     std::optional<kit::foundation::Date> target;
//     CasingOption casing = CasingOption::followApp;
//     static constexpr auto parameters() { return std::tuple{
//         parameter("name", "Title", &CountdownConfigIntent::name),
//         parameter("target", "Date", &CountdownConfigIntent::target),
//         parameter("casing", "Casing", &CountdownConfigIntent::casing)}; }
//   };
//
// A button intent (app intent) also performs: `IntentResult perform() const noexcept` returns
// the empty result and never throws. Its parameters default to the values after `init()`, the
// member initialisers; a key passes other values through a made intent:
//   Button(intentReference(NoteDeckCycleIntent{.step = -1}), label)

#include "kit/intents/IntentCoding.h"
#include "kit/ui/IntentReference.h"

#include <concepts>
#include <string>

namespace kit::intents {

// What a perform returns: nothing, no dialog.
struct IntentResult {
  static IntentResult result() { return {}; }
};

template <class T>
concept WidgetConfigurationIntent = IntentType<T>;

template <class T>
concept AppIntent = IntentType<T> && requires(T intent) {
  { intent.perform() }
  noexcept->std::same_as<IntentResult>;
};

// The view layer's reference to a button's intent: its type name and parameters.
template <AppIntent T> ui::IntentReference intentReference(const T &intent) {
  return {std::string(T::typeName), encodeParameters(intent)};
}

} // namespace kit::intents
