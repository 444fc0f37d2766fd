#include "Shared/Views/SystemViews/NetworkView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/SystemViews/NetInterface.h"
#include "kit/foundation/Saturating.h"
#include "kit/ui/UI.h"

#include <fmt/format.h>

namespace zavel {

using kit::foundation::wholeRounded;

namespace {

using namespace kit::ui;

// One decimal below 100 MB/s, whole numbers from there on.
std::string rate(double megabytesPerSecond) {
  if (!(megabytesPerSecond >= 100))
    return fmt::format("{:.1f}", megabytesPerSecond);
  return std::to_string(wholeRounded(megabytesPerSecond));
}

View rateRow(const std::string &arrow, Color arrowColor, const View &figure, const ZCtx &ctx) {
  return HStack(VAlign::firstTextBaseline, 8 * ctx.u,
                {
                    Text(arrow).font(ctx.mono(14, FontWeight::regular)).foreground(arrowColor),
                    figure,
                });
}

} // namespace

View NetworkView::body() const {
  double u = ctx.u;
  return ScreenColumn(
      ctx, {},
      {
          MicroLabel("NETWORK", 9, 0.18, ZavelTokens::screenText2, ctx),
          rateRow("↓", ZavelTokens::dataTeal,
                  numeralFit(Text(rate(data.downMBs)).font(ctx.mono(44, FontWeight::bold))), ctx)
              .padding(Edge::top, 20 * u),
          rateRow("↑", ZavelTokens::screenText3,
                  Text(rate(data.upMBs))
                      .font(ctx.mono(24, FontWeight::bold))
                      .foreground(ZavelTokens::screenText2)
                      .textRole(TextRole::data),
                  ctx)
              .padding(Edge::top, 12 * u),
          Spacer(0),
          MicroLabel("MB/S — " + NetInterface::label(), 9, 0.16, ZavelTokens::screenText3, ctx),
      });
}

} // namespace zavel
