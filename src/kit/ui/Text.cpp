#include "kit/ui/Text.h"

#include "kit/foundation/Utf8.h"

#include "kit/ui/layout/Node.h"
#include "kit/ui/layout/TextElement.h"
#include "kit/ui/text/TimerText.h"

namespace kit::ui {
namespace {

using foundation::Date;

View textView(std::function<std::string(Date now)> content) {
  return layout::leafView([content](const Environment &env, layout::LayoutPass &pass) {
    return layout::makeText(content(pass.now), env.textStyle(), env.resolvedForeground(),
                            env.textRole, pass.textEngine);
  });
}

// No widget shows more than a few thousand characters, so what lies past this many bytes is cut
// before it is measured: a huge stored text then costs no more than a screenful.
constexpr std::size_t mostShownBytes = 16384;

// The text cut to at most `mostShownBytes`, at the start of a character.
std::string shownPart(std::string content) {
  if (content.size() <= mostShownBytes)
    return content;
  content.resize(foundation::characterStart(content, mostShownBytes));
  return content;
}

} // namespace

Text::Text(std::string content)
    : Text(textView([content = shownPart(std::move(content))](Date) { return content; })) {}

Text Text::timerInterval(Date start, Date end, bool countsDown) {
  return Text(textView([start, end, countsDown](Date now) {
    return timerText(start, end, now, countsDown ? TimerCounting::down : TimerCounting::up);
  }));
}

Text Text::timer(Date date) {
  return Text(textView([date](Date now) { return timerText(date, now); }));
}

} // namespace kit::ui
