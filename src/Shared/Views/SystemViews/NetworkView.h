#pragma once

#include "Shared/Data/ExtraModels/NetworkSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// Download and upload rates since the last refresh, the download large, under the connection's
// kind.
struct NetworkView {
  NetworkSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
