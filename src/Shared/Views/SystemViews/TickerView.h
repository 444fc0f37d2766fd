#pragma once

#include "Shared/Data/ExtraModels/StockSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// One stock on the casing: its symbol, price and change, the session's line across the widget
// and the labelled hours under it.
struct TickerView {
  StockSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
