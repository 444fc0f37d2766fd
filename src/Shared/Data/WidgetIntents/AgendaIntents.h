#pragma once

#include "kit/intents/IntentRegistry.h"

namespace zavel {

// Adds the agenda widgets' button intents ("Complete Reminder") to the registry.
kit::intents::IntentRegistry &addAgendaIntents(kit::intents::IntentRegistry &registry);

} // namespace zavel
