#pragma once

#include "kit/foundation/Date.h"
#include "kit/ui/View.h"

#include <string>

namespace kit::ui {

// A run of text. It takes the width it needs, wraps within the width offered, shrinks down to its
// minimum scale factor, then truncates with an ellipsis. Font, colour and the other text
// attributes come from the environment (`.font(…)`, `.foreground(…)`, `.tracking(…)`, …).
class Text : public View {
public:
  Text(std::string content);
  Text(const char *content) : Text(std::string(content)) {}

  // Self-updating text of the time within an interval at the moment of rendering: counting down
  // to `end` (or up from `start`), kept within the interval.
  static Text timerInterval(foundation::Date start, foundation::Date end, bool countsDown = true);
  // Self-updating text of the time between `date` and the moment of rendering.
  static Text timer(foundation::Date date);

private:
  explicit Text(View view) : View(std::move(view)) {}
};

} // namespace kit::ui
