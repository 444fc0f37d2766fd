#pragma once

#include "kit/intents/IntentRegistry.h"

#include <functional>
#include <string_view>

namespace zavel::host {

// BadInput unless the registry knows the intent.
void checkIntent(const kit::intents::IntentRegistry &intents, std::string_view typeName);

// Runs `perform`, turning parameters of the wrong form into BadInput (nothing was performed).
void performIntent(const std::function<void()> &perform);

} // namespace zavel::host
