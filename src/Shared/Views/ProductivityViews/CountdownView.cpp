#include "Shared/Views/ProductivityViews/CountdownView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <string>

namespace zavel {
namespace {

using namespace kit::ui;
using kit::foundation::Date;

// An empty name is untitled; a name of blanks shows as it is.
std::string title(const std::string &name) { return name.empty() ? "COUNTDOWN" : name; }

// A date passed counts as none left.
std::string number(std::optional<int> days) {
  return days ? std::to_string(std::max(*days, 0)) : "—";
}

std::string subtitle(std::optional<int> days) {
  if (!days)
    return "SET A DATE";
  if (*days < 0)
    return std::to_string(-static_cast<long long>(*days)) + " DAYS AGO";
  if (*days == 0)
    return "TODAY";
  return *days == 1 ? "DAY LEFT" : "DAYS LEFT";
}

View face(const CountdownData &data, Date now, const ZCtx &ctx) {
  std::optional<int> days = data.days(now);
  return ScreenColumn(
      ctx, {},
      {
          MicroLabel(title(data.name), 10, 0.18, ctx.accent, FontWeight::semibold, ctx),
          numeralFit(Text(number(days)).font(ctx.mono(110, FontWeight::bold)))
              .padding(Edge::top, 8 * ctx.u),
          Spacer(0),
          MicroLabel(subtitle(days), 10, 0.16, ZavelTokens::screenText3, ctx),
      });
}

} // namespace

View CountdownView::body() const {
  return TimelineView([data = data, ctx = ctx](Date now) { return face(data, now, ctx); });
}

} // namespace zavel
