#pragma once

// A small extension for the host's tests: a tally widget with a key, a link and a widget link,
// configured by an intent with defaults; a board widget with an
// accentable part; the tally key's intent, which writes a suite key and a container file,
// reloads the board and posts a notification.

#include "kit/ui/Color.h"
#include "kit/widgets/WidgetBundle.h"

#include <string_view>

namespace zavel::host::testing {

// The suite key the tally key counts in.
inline constexpr std::string_view kCountKey = "test.tally.count";
inline constexpr std::string_view kLinkURL = "zavel-test://tally/details";
inline constexpr std::string_view kWidgetURL = "zavel-test://tally";
// The fill of the tally widget.
inline constexpr kit::ui::Color kTallyFill = kit::ui::Color::rgb8(40, 80, 200);

// The tally ("test.tally", small) and the board ("test.tally.board", medium) widgets, with
// "TallyIntent".
kit::widgets::WidgetBundle testBundle();

} // namespace zavel::host::testing
