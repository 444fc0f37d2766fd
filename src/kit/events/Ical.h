#pragma once

#include <libical/ical.h>

#include <memory>
#include <mutex>
#include <vector>

namespace kit::events {

struct IcalComponentDeleter {
  void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using IcalComponentPtr = std::unique_ptr<icalcomponent, IcalComponentDeleter>;

// libical keeps process-wide caches (built-in time zones and their expanded transitions) that it
// fills lazily without locks of its own; every use of libical here holds this lock. Taking it
// also makes libical's errors non-fatal, once, before any parsing.
std::unique_lock<std::mutex> lockLibical();

// Children and properties gathered into lists, so walking one never disturbs the component's own
// cursor that another walk over the same component uses.
std::vector<icalcomponent *> childComponents(icalcomponent *parent, icalcomponent_kind kind);
std::vector<icalproperty *> propertiesOf(icalcomponent *component, icalproperty_kind kind);

} // namespace kit::events
