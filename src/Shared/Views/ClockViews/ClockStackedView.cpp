#include "Shared/Views/ClockViews/ClockStackedView.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ClockViews/ClockNumeral.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

namespace {

// Lines closer than the font's own, so the two numerals sit tight.
constexpr NumeralLine stackedLine{.size = 88, .tracking = 0, .height = 83.6};

} // namespace

View ClockStackedView::body() const {
  ClockFormat::Parts time = ClockFormat::parts(date, timeZone);
  View lines = VStack(HAlign::leading, 0,
                      {
                          ClockNumeral(time.hh, ZavelTokens::screenText1, stackedLine, ctx),
                          ClockNumeral(time.mm, ZavelTokens::dimNumeral, stackedLine, ctx),
                      });
  return DeviceScreen(ctx, lines.padding(20 * ctx.u).frame(Frame::fill(Alignment::leading)));
}

} // namespace zavel
