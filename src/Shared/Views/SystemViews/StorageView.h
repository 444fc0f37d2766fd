#pragma once

#include "Shared/Data/ExtraModels/StorageSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The gigabytes used on the home volume, on a bar against its size.
struct StorageView {
  StorageSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
