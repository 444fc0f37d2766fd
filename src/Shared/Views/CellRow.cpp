#include "Shared/Views/CellRow.h"

#include "Shared/Views/ViewRanges.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View CellRow(int64_t count, int64_t lit, const CellRowStyle &style, const ZCtx &ctx) {
  double u = ctx.u;
  return HStack(VAlign::center, style.spacing * u, {ForEach(indices(count), [&](int64_t i) {
                  return RoundedRectangle(style.cornerRadius * u, RoundedCornerStyle::continuous)
                      .fill(i < lit ? style.lit : style.unlit)
                      .frame({.maxWidth = infinity})
                      .frame({.height = style.height * u});
                })});
}

} // namespace zavel
