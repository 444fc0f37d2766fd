#include "Shared/Views/WeatherViews/MoonView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/ScreenColumn.h"
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

// The lit face with the shadow slid across it, cut to the face.
View moonDisc(const MoonInfo &moon, double u) {
  return ZStack({
                    Circle().fill(ZavelTokens::moonFace),
                    Circle()
                        .fill(ZavelTokens::moonShadow)
                        .frame(120 * u, 120 * u)
                        .offset(shadowOffset(moon) * u, 0),
                })
      .frame(108 * u, 108 * u)
      .clipShape(Circle());
}

} // namespace

View MoonView::body() const {
  return ScreenColumn(
      ctx, {.alignment = Alignment::center, .spacing = 20},
      {
          moonDisc(data, ctx.u),
          VStack(HAlign::center, 6 * ctx.u,
                 {
                     MicroLabel(data.phaseName, 11, 0.16, ZavelTokens::screenText1, ctx),
                     MicroLabel(data.detail(), 9, 0.14, ZavelTokens::screenText3, ctx),
                 }),
      });
}

} // namespace zavel
