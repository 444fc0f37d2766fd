#pragma once

#include "kit/intents/IntentRegistry.h"

namespace zavel {

// Adds the entities of the clock configurations (TimeZoneEntity) to `registry`, so the host can
// list and search them by type name.
kit::intents::IntentRegistry &addSourceEntities(kit::intents::IntentRegistry &registry);

} // namespace zavel
