#include "host/IntentCheck.h"

#include "host/CommandErrors.h"
#include "host/ParameterCheck.h"
#include "host/QuotedText.h"

#include <string>

namespace zavel::host {

void checkIntent(const kit::intents::IntentRegistry &intents, std::string_view typeName) {
  if (!intents.intent(typeName))
    throw BadInput("unknown intent " + quotedWord(typeName));
}

void checkIntent(const kit::intents::IntentRegistry &intents,
                 const kit::ui::IntentReference &intent) {
  checkIntent(intents, intent.type);
  checkParameters(*intents.intent(intent.type), intent.parameters, "--params");
}

void performIntent(const std::function<void()> &perform) {
  try {
    perform();
  } catch (const kit::foundation::DecodeError &error) {
    throw BadInput(std::string("parameters: ") + error.what());
  }
}

} // namespace zavel::host
