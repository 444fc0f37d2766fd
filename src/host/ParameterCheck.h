#pragma once

#include "kit/foundation/JsonCoding.h"
#include "kit/intents/IntentDescription.h"
#include "kit/intents/IntentRegistry.h"

#include <string>
#include <string_view>
#include <vector>

namespace zavel::host {

// Refuses, as BadInput naming the option the JSON came in (--config, --params), a member that
// `intent` declares no parameter of (listing those it declares), a value of a parameter with
// choices that is not one of them, text or not (listing them), and a number with a point or an
// exponent for an integer parameter. The configuration screens offer nothing else; the intents'
// own reading of a stored value stays lenient.
void checkParameters(const kit::intents::IntentDescription &intent,
                     const kit::foundation::Json &given, std::string_view option);

// A line for each entity id in `given` that names nothing the system knows: the value is kept,
// and the widget shows its fallback for it.
std::vector<std::string> unknownEntityNotes(const kit::intents::IntentDescription &intent,
                                            const kit::foundation::Json &given,
                                            const kit::intents::IntentRegistry &registry,
                                            std::string_view option);

} // namespace zavel::host
