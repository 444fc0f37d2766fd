#pragma once

#include "kit/ui/IntentReference.h"
#include "kit/ui/View.h"

#include <string>

namespace kit::ui {

// What a button style is given: the label, and whether the button is held down.
struct ButtonConfiguration {
  View label;
  bool isPressed = false;
};

// A button that performs `intent` when its label is pressed. Its look comes from the button
// style of the environment (`.buttonStyle(…)`); without one, the label as it is.
View Button(IntentReference intent, const View &label);
// Opens `url` when its label is pressed; styled like a button.
View Link(std::string url, const View &label);

// The label as it is, in either state.
ButtonStyle plainButtonStyle();

} // namespace kit::ui
