#include "Shared/Views/MeterRow.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/Bars.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View MeterRow(const std::string &label, double fraction, const std::string &figure,
              const MeterStyle &style, const ZCtx &ctx) {
  double u = ctx.u;
  return HStack(VAlign::center, 14 * u,
                {
                    MicroLabel(label, 10, 0.14, style.label, ctx)
                        .frame({.width = style.labelWidth * u, .alignment = Alignment::leading}),
                    TrackBar(fraction, {.height = 8, .fill = style.fill}, ctx),
                    Text(figure)
                        .font(ctx.mono(11, FontWeight::semibold))
                        .foreground(style.figure)
                        .textRole(TextRole::data)
                        .frame({.width = 36 * u, .alignment = Alignment::trailing}),
                });
}

} // namespace zavel
