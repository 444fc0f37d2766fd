#include "kit/intents/IntentRegistry.h"

#include <algorithm>

namespace kit::intents {

void IntentRegistry::addIntent(IntentDescription description, Performer perform) {
  if (find(description.typeName))
    return;
  intents_.push_back({std::move(description), std::move(perform)});
}

IntentRegistry &IntentRegistry::addEntityQuery(AnyEntityQuery query) {
  if (!entityQuery(query.typeName()))
    entities_.push_back(std::move(query));
  return *this;
}

IntentRegistry &IntentRegistry::merge(const IntentRegistry &other) {
  for (const Registered &registered : other.intents_)
    addIntent(registered.description, registered.perform);
  for (const AnyEntityQuery &query : other.entities_)
    addEntityQuery(query);
  return *this;
}

const IntentRegistry::Registered *IntentRegistry::find(std::string_view typeName) const {
  auto found = std::find_if(intents_.begin(), intents_.end(), [&](const Registered &registered) {
    return registered.description.typeName == typeName;
  });
  return found == intents_.end() ? nullptr : &*found;
}

std::vector<IntentDescription> IntentRegistry::intents() const {
  std::vector<IntentDescription> descriptions;
  for (const Registered &registered : intents_)
    descriptions.push_back(registered.description);
  return descriptions;
}

const IntentDescription *IntentRegistry::intent(std::string_view typeName) const {
  const Registered *registered = find(typeName);
  return registered ? &registered->description : nullptr;
}

void IntentRegistry::perform(std::string_view typeName, const foundation::Json &parameters) const {
  const Registered *registered = find(typeName);
  if (!registered)
    throw UnknownIntent("unknown intent \"" + std::string(typeName) + "\"");
  registered->perform(parameters);
}

void IntentRegistry::perform(const ui::IntentReference &reference) const {
  perform(reference.type, reference.parameters);
}

std::vector<std::string> IntentRegistry::entityTypeNames() const {
  std::vector<std::string> names;
  for (const AnyEntityQuery &query : entities_)
    names.push_back(query.typeName());
  return names;
}

const AnyEntityQuery *IntentRegistry::entityQuery(std::string_view entityTypeName) const {
  auto found = std::find_if(entities_.begin(), entities_.end(), [&](const AnyEntityQuery &query) {
    return query.typeName() == entityTypeName;
  });
  return found == entities_.end() ? nullptr : &*found;
}

} // namespace kit::intents
