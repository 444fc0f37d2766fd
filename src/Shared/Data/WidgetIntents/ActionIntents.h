#pragma once

#include "kit/intents/IntentRegistry.h"

namespace zavel {

// Adds the intents behind the keys of the decks (weather screens and saved cities, note cycling
// and pins, loved tracks, music commands) and of the productivity and health widgets (focus,
// stopwatch, habits, water, steps), so the host performs them by type name.
kit::intents::IntentRegistry &addActionIntents(kit::intents::IntentRegistry &registry);

} // namespace zavel
