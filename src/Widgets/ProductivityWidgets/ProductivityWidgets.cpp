#include "Widgets/ProductivityWidgets/ProductivityWidgets.h"

#include "Shared/Views/ProductivityViews/CountdownView.h"
#include "Shared/Views/ProductivityViews/FocusView.h"
#include "Shared/Views/ProductivityViews/InboxView.h"
#include "Shared/Views/ProductivityViews/QuoteView.h"
#include "Shared/Views/ProductivityViews/StopwatchView.h"
#include "Shared/Views/ProductivityViews/YearProgressView.h"

namespace zavel {

ZavelWidget<FocusProvider> FocusWidget() {
  return {
      .typeName = "FocusWidget",
      .kind = "zavel.focus.timer",
      .size = ZavelSize::s,
      .face = dataFace<FocusView>(),
      .name = "Focus",
      .description = "A tap-to-start focus session.",
  };
}

ZavelWidget<LocalProvider<StopwatchState>> StopwatchWidget() {
  return {
      .typeName = "StopwatchWidget",
      .kind = "zavel.stopwatch",
      .size = ZavelSize::s,
      .provider = StopwatchLocalProvider(),
      .face = dataFace<StopwatchView>(),
      .name = "Stopwatch",
      .description = "Tap the time to run it; RESET clears it.",
  };
}

ZavelWidget<CountdownProvider> CountdownWidget() {
  return {
      .typeName = "CountdownWidget",
      .kind = "zavel.countdown",
      .size = ZavelSize::s,
      .face = dataFace<CountdownView>(),
      .name = "Countdown",
      .description = "Days until the thing.",
  };
}

ZavelWidget<YearProvider> YearWidget() {
  return {
      .typeName = "YearWidget",
      .kind = "zavel.year",
      .size = ZavelSize::m,
      .face = dataFace<YearProgressView>(),
      .name = "Year Progress",
      .description = "How far the year has run.",
  };
}

ZavelWidget<LocalProvider<QuoteItem>> QuoteWidget() {
  return {
      .typeName = "QuoteWidget",
      .kind = "zavel.quote",
      .size = ZavelSize::m,
      .provider = QuoteLocalProvider(),
      .face = dataFace<QuoteView>(),
      .name = "Daily Quote",
      .description = "One good line a day.",
  };
}

ZavelWidget<LocalProvider<InboxSnapshot>> InboxWidget() {
  return {
      .typeName = "InboxWidget",
      .kind = "zavel.inbox",
      .size = ZavelSize::s,
      .provider = InboxLocalProvider(),
      .face = dataFace<InboxView>(),
      .name = "Inbox",
      .description = "Unread mail at a glance.",
  };
}

} // namespace zavel
