#include "Shared/Views/NotesViews/EditedLabel.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "kit/foundation/Calendar.h"
#include "kit/foundation/TextOperations.h"
#include "kit/ui/TimelineView.h"

namespace zavel {

using kit::foundation::Date;

std::string editedLabel(Date edited, Date now, const kit::foundation::TimeZone &zone) {
  int days = kit::foundation::Calendar::gregorian(zone).daysBetween(now, edited);
  if (days == 0)
    return "TODAY " + ClockFormat::hhmm(edited, zone);
  if (days == -1)
    return "YESTERDAY";
  return kit::foundation::uppercased(ClockFormat::formatted("MMM d", edited, zone));
}

kit::ui::View EditedCaption(Date edited, double em, kit::ui::Color color, const ZCtx &ctx) {
  return kit::ui::TimelineView(
      [=](Date now) { return MicroLabel(editedLabel(edited, now), 8, em, color, ctx); });
}

} // namespace zavel
