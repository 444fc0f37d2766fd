#pragma once

#include "Shared/Theme/HexColor.h"

namespace zavel {

// The ink of note texts on the screen: a shade whiter than the body of the notes deck.
inline constexpr kit::ui::Color noteInk = hexColor("#D9D9D7");

} // namespace zavel
