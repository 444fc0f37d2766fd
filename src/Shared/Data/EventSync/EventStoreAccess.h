#pragma once

#include "Shared/Data/EventSync/EventSync.h"
#include "kit/events/EventStore.h"

namespace zavel::EventSync {

// A store over the app group's calendars, reading days in the current time zone; made anew for
// every reading and every change.
kit::events::EventStore openEventStore(const Environment &environment);

// Whether the user gave full access to items of that type.
bool hasFullAccess(const kit::events::EventStore &store, kit::events::EntityType type);

} // namespace zavel::EventSync
