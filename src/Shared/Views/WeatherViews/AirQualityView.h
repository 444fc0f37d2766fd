#pragma once

#include "Shared/Data/ExtraModels/AirQualitySnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The US air-quality index as one big number over its band's name, and a bar that fills toward
// 200: teal up to 100, in the accent colour above.
struct AirQualityView {
  AirQualitySnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
