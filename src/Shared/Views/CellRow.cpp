#include "Shared/Views/CellRow.h"

#include "kit/ui/UI.h"

#include <ranges>

namespace zavel {

using namespace kit::ui;

View CellRow(int64_t count, int64_t lit, const CellRowStyle &style, const ZCtx &ctx) {
  double u = ctx.u;
  return HStack(VAlign::center, style.spacing * u,
                {ForEach(std::views::iota(int64_t{0}, count), [&](int64_t i) {
                  return RoundedRectangle(style.cornerRadius * u, RoundedCornerStyle::continuous)
                      .fill(i < lit ? style.lit : style.unlit)
                      .frame({.maxWidth = infinity})
                      .frame({.height = style.height * u});
                })});
}

} // namespace zavel
