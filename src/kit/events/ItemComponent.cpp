#include "kit/events/ItemComponent.h"

namespace kit::events {

const Property *ItemComponent::first(PropertyName name) const {
  for (const auto &property : properties)
    if (property.name == name)
      return &property;
  return nullptr;
}

std::vector<const Property *> ItemComponent::all(PropertyName name) const {
  std::vector<const Property *> found;
  for (const auto &property : properties)
    if (property.name == name)
      found.push_back(&property);
  return found;
}

} // namespace kit::events
