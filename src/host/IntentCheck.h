#pragma once

#include "kit/intents/IntentRegistry.h"
#include "kit/ui/IntentReference.h"

#include <functional>
#include <string_view>

namespace zavel::host {

// BadInput unless the registry knows the intent.
void checkIntent(const kit::intents::IntentRegistry &intents, std::string_view typeName);

// BadInput unless the registry knows the intent and it declares every parameter given (in
// --params), each within its choices.
void checkIntent(const kit::intents::IntentRegistry &intents,
                 const kit::ui::IntentReference &intent);

// Runs `perform`, turning parameters of the wrong form into BadInput (nothing was performed).
void performIntent(const std::function<void()> &perform);

} // namespace zavel::host
