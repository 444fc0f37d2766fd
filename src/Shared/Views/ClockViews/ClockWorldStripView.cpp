#include "Shared/Views/ClockViews/ClockWorldStripView.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ClockViews/ClockFields.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/ViewRanges.h"
#include "kit/ui/UI.h"

#include <algorithm>

namespace zavel {

using namespace kit::ui;

namespace {

constexpr std::size_t maxCities = 3;

// One city's column; columns share the row's width equally. They are told apart by position, so
// the same zone may appear twice.
View cityColumn(std::size_t index, const kit::foundation::TimeZone &zone,
                kit::foundation::Date date, const ZCtx &ctx) {
  Color codeColor = index == 0 ? ctx.accent : ZavelTokens::screenText3;
  return VStack(HAlign::center, 8 * ctx.u,
                {
                    MicroLabel(ClockFormat::cityCode(zone), 9, 0.18, codeColor, ctx),
                    numeralFit(
                        Text(ClockFormat::hhmm(date, zone)).font(ctx.mono(28, FontWeight::bold))),
                    MicroLabel(dayOrNight(date, zone), 8, 0.18, ZavelTokens::screenText3, ctx),
                })
      .frame({.maxWidth = infinity});
}

} // namespace

View ClockWorldStripView::body() const {
  auto shown = indices(std::min(zones.size(), maxCities));
  View row = HStack(VAlign::center, 0, {ForEach(shown, [this](std::size_t index) {
                      return cityColumn(index, zones[index], date, ctx);
                    })});
  return DeviceScreen(ctx, row.padding(24 * ctx.u));
}

} // namespace zavel
