#include "Shared/Views/ProductivityViews/FocusView.h"

#include "Shared/Data/WidgetIntents/FocusResetIntent.h"
#include "Shared/Data/WidgetIntents/FocusToggleIntent.h"
#include "Shared/Views/TimerScreen.h"
#include "kit/ui/UI.h"

#include <fmt/format.h>

namespace zavel {
namespace {

using namespace kit::ui;
using kit::foundation::Date;
using Phase = FocusView::Phase;

// How long the done state shows after the end, in seconds.
constexpr double doneSeconds = 900;

// At or past the end the running phase is over, so the countdown never reads below 0:00.
Text timeText(const FocusSession &session, Phase phase, Date now) {
  switch (phase) {
  case Phase::running:
    return Text::timerInterval(now, *session.endDate);
  case Phase::done:
    return Text("0:00");
  case Phase::idle:
    break;
  }
  return Text(fmt::format("{}:00", session.minutes));
}

std::string hint(Phase phase) {
  switch (phase) {
  case Phase::running:
    return "RUNNING";
  case Phase::done:
    return "DONE — TAKE 5";
  case Phase::idle:
    break;
  }
  return "TAP TIME TO START";
}

View face(const FocusView &view, Date now) {
  Phase phase = view.phase(now);
  return TimerScreen(
      {
          .caption = "FOCUS",
          .lit = phase == Phase::running,
          .lamp = view.ctx.accent,
          .time = timeText(view.data, phase, now),
          .timeKey = kit::intents::intentReference(FocusToggleIntent{}),
          .hint = hint(phase),
          .resetKey = kit::intents::intentReference(FocusResetIntent{}),
      },
      view.ctx);
}

} // namespace

Phase FocusView::phase(Date now) const {
  if (!data.endDate)
    return Phase::idle;
  double untilEnd = data.endDate->timeIntervalSince(now);
  if (untilEnd > 0)
    return Phase::running;
  return untilEnd > -doneSeconds ? Phase::done : Phase::idle;
}

View FocusView::body() const {
  return TimelineView([view = *this](Date now) { return face(view, now); });
}

} // namespace zavel
