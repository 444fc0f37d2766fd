#pragma once

#include "Shared/Data/Models/ReminderItem.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// A reminder's title across the width left in its row and, when it has one, its time, as a
// group for a row: a done reminder muted and struck through, an urgent one's time in the accent.
kit::ui::View ReminderTexts(const ReminderItem &item, const ZCtx &ctx);

} // namespace zavel
