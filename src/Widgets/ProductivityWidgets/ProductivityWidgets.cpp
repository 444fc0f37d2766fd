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
      .face =
          [](const FocusEntry &entry, const ZCtx &ctx) {
            return FocusView{entry.data, ctx}.body();
          },
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
      .face =
          [](const ZavelEntry<StopwatchState> &entry, const ZCtx &ctx) {
            return StopwatchView{entry.data, ctx}.body();
          },
      .name = "Stopwatch",
      .description = "Tap the time to run it; RESET clears it.",
  };
}

ZavelWidget<CountdownProvider> CountdownWidget() {
  return {
      .typeName = "CountdownWidget",
      .kind = "zavel.countdown",
      .size = ZavelSize::s,
      .face =
          [](const CountdownEntry &entry, const ZCtx &ctx) {
            return CountdownView{entry.data, ctx}.body();
          },
      .name = "Countdown",
      .description = "Days until the thing.",
  };
}

ZavelWidget<YearProvider> YearWidget() {
  return {
      .typeName = "YearWidget",
      .kind = "zavel.year",
      .size = ZavelSize::m,
      .face =
          [](const YearEntry &entry, const ZCtx &ctx) {
            return YearProgressView{entry.data, ctx}.body();
          },
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
      .face =
          [](const ZavelEntry<QuoteItem> &entry, const ZCtx &ctx) {
            return QuoteView{entry.data, ctx}.body();
          },
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
      .face =
          [](const ZavelEntry<InboxSnapshot> &entry, const ZCtx &ctx) {
            return InboxView{entry.data, ctx}.body();
          },
      .name = "Inbox",
      .description = "Unread mail at a glance.",
  };
}

} // namespace zavel
