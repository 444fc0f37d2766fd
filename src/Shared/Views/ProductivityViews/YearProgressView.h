#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/ui/View.h"

namespace zavel {

// How far the date's year has run: the year, a bar of the days gone, the day out of the year's
// days, the share in whole percent and the days left.
struct YearProgressView {
  kit::foundation::Date date;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
