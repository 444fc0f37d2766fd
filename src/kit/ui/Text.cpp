#include "kit/ui/Text.h"

#include "kit/ui/layout/Node.h"
#include "kit/ui/layout/TextElement.h"

#include <cmath>
#include <fmt/format.h>

namespace kit::ui {
namespace {

using foundation::Date;

// Whole seconds of a span; counting down shows a started second, counting up a completed one.
long long wholeSeconds(double seconds, bool countsDown) {
  constexpr double limit = 1e12;
  if (!std::isfinite(seconds) || seconds <= 0)
    return 0;
  double whole = countsDown ? std::ceil(seconds) : std::floor(seconds);
  return static_cast<long long>(std::min(whole, limit));
}

View textView(std::function<std::string(Date now)> content) {
  return layout::leafView([content](const Environment &env, layout::LayoutPass &pass) {
    return layout::makeText(content(pass.now), env.textStyle(), env.resolvedForeground(),
                            pass.textEngine);
  });
}

} // namespace

Text::Text(std::string content) : Text(textView([content](Date) { return content; })) {}

Text Text::timerInterval(Date start, Date end, bool countsDown) {
  return Text(textView([start, end, countsDown](Date now) {
    double length = std::max(0.0, end.timeIntervalSince(start));
    double shown = countsDown ? end.timeIntervalSince(now) : now.timeIntervalSince(start);
    shown = std::clamp(finiteOr(shown), 0.0, length);
    return timerText(wholeSeconds(shown, countsDown));
  }));
}

Text Text::timer(Date date) {
  return Text(textView([date](Date now) {
    double span = date.timeIntervalSince(now);
    return timerText(wholeSeconds(std::abs(span), span > 0));
  }));
}

std::string timerText(long long seconds) {
  seconds = std::max(0LL, seconds);
  long long hours = seconds / 3600, minutes = seconds % 3600 / 60, rest = seconds % 60;
  if (hours > 0)
    return fmt::format("{}:{:02}:{:02}", hours, minutes, rest);
  return fmt::format("{}:{:02}", minutes, rest);
}

} // namespace kit::ui
