#include "Shared/Views/ScreenColumn.h"

#include "Shared/Views/Hardware/DeviceScreen.h"
#include "kit/ui/Stacks.h"

namespace zavel {

using namespace kit::ui;

View PaddedColumn(const ZCtx &ctx, const ColumnStyle &style, std::vector<View> rows) {
  double u = ctx.u;
  return VStack(style.rows.value_or(style.alignment.horizontal), style.spacing * u,
                std::move(rows))
      .padding(Edge::vertical, style.vertical * u)
      .padding(Edge::horizontal, style.horizontal * u)
      .frame(Frame::fill(style.alignment));
}

View ScreenColumn(const ZCtx &ctx, const ColumnStyle &style, std::vector<View> rows) {
  return DeviceScreen(ctx, PaddedColumn(ctx, style, std::move(rows)));
}

} // namespace zavel
