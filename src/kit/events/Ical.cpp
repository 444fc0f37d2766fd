#include "kit/events/Ical.h"

namespace kit::events {

std::unique_lock<std::mutex> lockLibical() {
  static std::mutex mutex;
  static std::once_flag configured;
  std::call_once(configured, [] { icalerror_set_errors_are_fatal(0); });
  return std::unique_lock<std::mutex>(mutex);
}

std::vector<icalcomponent *> childComponents(icalcomponent *parent, icalcomponent_kind kind) {
  std::vector<icalcomponent *> children;
  for (auto it = icalcomponent_begin_component(parent, kind); auto *child = icalcompiter_deref(&it);
       icalcompiter_next(&it))
    children.push_back(child);
  return children;
}

std::vector<icalproperty *> propertiesOf(icalcomponent *component, icalproperty_kind kind) {
  std::vector<icalproperty *> properties;
  for (auto *property = icalcomponent_get_first_property(component, kind); property;
       property = icalcomponent_get_next_property(component, kind))
    properties.push_back(property);
  return properties;
}

} // namespace kit::events
