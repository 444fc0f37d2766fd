#pragma once

#include "kit/foundation/Date.h"

#include <string>

namespace kit::ui {

enum class TimerCounting { up, down };

// The text a self-updating timer shows at the moment of the render: "M:SS", or "H:MM:SS" from
// an hour on when hours are shown (otherwise the minutes run on past 59). Over an interval it
// counts the time since the start up, or the time left until the end down, held within the
// interval (an end before the start is an empty interval). Whole seconds: counting up drops the
// fraction, counting down rounds it up, so a countdown reads 0:00 only once it is over.
std::string timerText(foundation::Date start, foundation::Date end, foundation::Date now,
                      TimerCounting counting, bool showsHours = true);

// A date in timer style: the time since it, or until it while it lies ahead; hours shown.
std::string timerText(foundation::Date date, foundation::Date now);

} // namespace kit::ui
