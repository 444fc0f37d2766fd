#pragma once

#include "kit/intents/IntentRegistry.h"
#include "kit/ui/IntentReference.h"

#include <string_view>

namespace kit::widgets {

// What the widget host does when a key of a widget of `widgetKind` is pressed: performs the
// key's intent, then reloads the widget's own kind, after any kinds the intent reloaded. Throws
// UnknownIntent or DecodeError, before anything is performed or reloaded.
void performButtonIntent(const intents::IntentRegistry &intents, const ui::IntentReference &intent,
                         std::string_view widgetKind);

} // namespace kit::widgets
