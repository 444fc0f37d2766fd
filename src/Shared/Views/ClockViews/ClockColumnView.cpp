#include "Shared/Views/ClockViews/ClockColumnView.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ClockViews/AccentDot.h"
#include "Shared/Views/ClockViews/ClockNumeral.h"
#include "Shared/Views/ClockViews/ZoneCityName.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

namespace {

constexpr NumeralLine columnLine{.size = 190, .tracking = -3.8, .height = 171};

} // namespace

std::string ClockColumnView::gmtTag() const {
  // LOCAL only for the device's own zone identifier, not for another that shares its offset.
  bool local = timeZone.identifier() == kit::foundation::TimeZone::current().identifier();
  return ClockFormat::gmtLabel(timeZone, date) + " — " + (local ? "LOCAL" : zoneCityName(timeZone));
}

View ClockColumnView::body() const {
  double u = ctx.u;
  ClockFormat::Parts time = ClockFormat::parts(date, timeZone);
  View column = VStack(
      HAlign::leading, 0,
      {
          ClockNumeral(time.hh, ZavelTokens::screenText1, columnLine, ctx),
          ClockNumeral(time.mm, ctx.accent, columnLine, ctx),
          Spacer(),
          DotCaption(gmtTag(), {.size = 11, .em = 0.18, .color = ZavelTokens::screenText3}, ctx),
      });
  return DeviceScreen(ctx, column.padding(Edge::vertical, 36 * u)
                               .padding(Edge::horizontal, 40 * u)
                               .frame(Frame::fill(Alignment::topLeading)));
}

} // namespace zavel
