#pragma once

#include "kit/foundation/JsonCoding.h"

#include <string>
#include <vector>

namespace kit::intents {

// One parameter as a configuration shows it: JSON name, title and default (null for none); the
// raw values it offers (empty when it takes any value of its type); the type name of the entity
// it picks (empty when it picks none); whether its type is an integer, which a configuration
// offers as whole numbers written without a point or an exponent.
struct ParameterDescription {
  std::string name;
  std::string title;
  foundation::Json defaultValue;
  std::vector<std::string> choices = {};
  std::string entityType = {};
  bool isInteger = false;
  bool operator==(const ParameterDescription &) const = default;
};

// An intent type as the host lists it.
struct IntentDescription {
  std::string typeName;
  std::string title;
  std::vector<ParameterDescription> parameters;
  bool operator==(const IntentDescription &) const = default;
};

} // namespace kit::intents
