#include "Shared/Views/WeatherViews/MoonView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <cmath>

namespace zavel {
namespace {

using namespace kit::ui;

// How far the shadow's centre lies from the disc's, in design units: none when the moon is dark,
// 36 at 0.78 lit, and 114 when full, where the shadow (radius 60) just leaves the face (radius
// 54). It slides left while the moon waxes, so the lit side is on the right.
double shadowOffset(const MoonInfo &moon) {
  double lit = std::isnan(moon.illuminated) ? 0 : std::clamp(moon.illuminated, 0.0, 1.0);
  double distance = lit <= 0.78 ? 36 * lit / 0.78 : 36 + 78 * (lit - 0.78) / 0.22;
  return moon.waxing ? -distance : distance;
}

} // namespace

View MoonView::body() const {
  double u = ctx.u;
  return DeviceScreen(
      ctx,
      VStack(HAlign::center, 20 * u,
             {
                 ZStack({
                            Circle().fill(ZavelTokens::moonFace),
                            Circle()
                                .fill(ZavelTokens::moonShadow)
                                .frame(120 * u, 120 * u)
                                .offset(shadowOffset(data) * u, 0),
                        })
                     .frame(108 * u, 108 * u)
                     .clipShape(Circle()),
                 VStack(HAlign::center, 6 * u,
                        {
                            MicroLabel(data.phaseName, 11, 0.16, ZavelTokens::screenText1, ctx),
                            MicroLabel(data.detail(), 9, 0.14, ZavelTokens::screenText3, ctx),
                        }),
             })
          .padding(18 * u)
          .frame(Frame::fill()));
}

} // namespace zavel
