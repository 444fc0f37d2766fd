#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

#include <string>

namespace zavel {

// When a note was last edited, as of `now` in `zone`: "TODAY 21:30" (by the clock choice),
// "YESTERDAY", and for any other day, later ones included, the month and day ("MAR 5").
std::string
editedLabel(kit::foundation::Date edited, kit::foundation::Date now,
            const kit::foundation::TimeZone &zone = kit::foundation::TimeZone::current());

// The label above as a micro label of size 8, worked out at the moment of rendering.
kit::ui::View EditedCaption(kit::foundation::Date edited, double em, kit::ui::Color color,
                            const ZCtx &ctx);

} // namespace zavel
