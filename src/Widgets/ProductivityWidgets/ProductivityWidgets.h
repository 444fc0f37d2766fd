#pragma once

#include "Widgets/ProductivityWidgets/CountdownProvider.h"
#include "Widgets/ProductivityWidgets/FocusProvider.h"
#include "Widgets/ProductivityWidgets/ProductivityLocalProviders.h"
#include "Widgets/ProductivityWidgets/YearProvider.h"
#include "Widgets/Shell/ZavelWidget.h"

namespace zavel {

// The productivity family, in gallery order.
ZavelWidget<FocusProvider> FocusWidget();
ZavelWidget<LocalProvider<StopwatchState>> StopwatchWidget();
ZavelWidget<CountdownProvider> CountdownWidget();
ZavelWidget<YearProvider> YearWidget();
ZavelWidget<LocalProvider<QuoteItem>> QuoteWidget();
ZavelWidget<LocalProvider<InboxSnapshot>> InboxWidget();

} // namespace zavel
