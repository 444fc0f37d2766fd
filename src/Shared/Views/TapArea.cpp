#include "Shared/Views/TapArea.h"

#include "kit/ui/Controls.h"
#include "kit/ui/Shape.h"

namespace zavel {

using namespace kit::ui;

View TapArea(IntentReference intent, const View &label) {
  return Button(std::move(intent), label.contentShape(Rectangle())).buttonStyle(plainButtonStyle());
}

} // namespace zavel
