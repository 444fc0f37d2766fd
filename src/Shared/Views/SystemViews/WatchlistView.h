#pragma once

#include "Shared/Data/ExtraModels/StockSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

#include <vector>

namespace zavel {

// Up to three stocks on the casing, one line each, or a hint to pick symbols when there are none.
struct WatchlistView {
  std::vector<StockSnapshot> data;
  ZCtx ctx;

  // The three quotes the gallery shows, built once per process.
  static const std::vector<StockSnapshot> &sample();

  kit::ui::View body() const;
};

} // namespace zavel
