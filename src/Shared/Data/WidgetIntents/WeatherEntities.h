#pragma once

#include "kit/intents/IntentRegistry.h"

namespace zavel {

// Adds the weather place entity, so the host lists and searches places by its type name.
kit::intents::IntentRegistry &addWeatherEntities(kit::intents::IntentRegistry &registry);

} // namespace zavel
