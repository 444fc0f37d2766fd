#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/Iso8601.h"
#include "kit/widgets/ReloadPolicy.h"
#include "kit/widgets/TimelineContext.h"

namespace zavel::test {

// The moment of a request, a widget on the desktop and one in the gallery; the providers do not
// look at the family.
inline const kit::foundation::Date kRequest =
    *kit::foundation::dateFromIso8601("2026-03-02T10:00:00Z");
inline const kit::widgets::TimelineContext kOnScreen =
    kit::widgets::TimelineContext::of(kit::widgets::WidgetFamily::systemSmall);
inline const kit::widgets::TimelineContext kInGallery =
    kit::widgets::TimelineContext::of(kit::widgets::WidgetFamily::systemSmall, true);

inline kit::widgets::ReloadPolicy reloadAfter(kit::foundation::Date date, double seconds) {
  return kit::widgets::ReloadPolicy::after(date.addingTimeInterval(seconds));
}

} // namespace zavel::test
