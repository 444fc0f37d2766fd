#pragma once

#include "Shared/Data/Models/RemindersSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// Up to three reminders in stacked pills, or one "All clear" pill when there are none.
struct RemindersStackView {
  RemindersSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
