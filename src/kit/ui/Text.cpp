#include "kit/ui/Text.h"

#include "kit/ui/layout/Node.h"
#include "kit/ui/layout/TextElement.h"
#include "kit/ui/text/TimerText.h"

namespace kit::ui {
namespace {

using foundation::Date;

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
    return timerText(start, end, now, countsDown ? TimerCounting::down : TimerCounting::up);
  }));
}

Text Text::timer(Date date) {
  return Text(textView([date](Date now) { return timerText(date, now); }));
}

} // namespace kit::ui
