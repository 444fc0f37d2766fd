#include "Shared/Views/ProductivityViews/StopwatchView.h"

#include "Shared/Data/WidgetIntents/StopwatchResetIntent.h"
#include "Shared/Data/WidgetIntents/StopwatchToggleIntent.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/TimerScreen.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View StopwatchView::body() const {
  bool running = data.isRunning();
  return TimerScreen(
      {
          .caption = "STOPWATCH",
          .lit = running,
          .lamp = ZavelTokens::dataTeal,
          .time = (running ? Text::timer(*data.startDate) : Text("0:00"))
                      .foreground(ZavelTokens::dataTeal),
          .timeKey = kit::intents::intentReference(StopwatchToggleIntent{}),
          // A tap on the running time takes a lap and keeps it running. No longer than the
          // stopped hint, so it fits beside RESET.
          .hint = running ? "TAP TIME FOR LAP" : "TAP TIME TO START",
          .resetKey = kit::intents::intentReference(StopwatchResetIntent{}),
      },
      ctx);
}

} // namespace zavel
