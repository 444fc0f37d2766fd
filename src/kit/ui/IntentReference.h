#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace kit::ui {

// What a button performs, as the view layer knows it: the intent's type name and its parameters.
// The intents layer makes these from its intents and performs them by type name.
struct IntentReference {
  std::string type;
  nlohmann::json parameters = nlohmann::json::object();
  bool operator==(const IntentReference &) const = default;
};

} // namespace kit::ui
