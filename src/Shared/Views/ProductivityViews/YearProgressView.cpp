#include "Shared/Views/ProductivityViews/YearProgressView.h"

#include "Shared/Data/ExtraModels/YearInfo.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/Bars.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/SpreadRow.h"
#include "kit/ui/UI.h"

#include <cmath>
#include <fmt/format.h>

namespace zavel {

using namespace kit::ui;

View YearProgressView::body() const {
  YearInfo info = YearInfo::current(date);
  double fraction = static_cast<double>(info.day()) / static_cast<double>(info.days());
  long long percent = std::llround(fraction * 100);
  auto footnote = [&](const std::string &text) {
    return MicroLabel(text, 9, 0.14, ZavelTokens::screenText3, ctx);
  };
  return ScreenColumn(
      ctx, {.alignment = Alignment::center, .vertical = 22, .horizontal = 26},
      {
          SpreadRow(VAlign::firstTextBaseline,
                    {MicroLabel("YEAR PROGRESS", 10, 0.16, ZavelTokens::screenText2, ctx),
                     Text(std::to_string(info.year))
                         .font(ctx.mono(18, FontWeight::bold))
                         .textRole(TextRole::data)}),
          TrackBar(fraction, {.height = 10}, ctx).padding(Edge::top, 26 * ctx.u),
          SpreadRow(VAlign::center, {footnote(fmt::format("DAY {} OF {}", info.day(), info.days())),
                                     footnote(fmt::format("{}% — {} DAYS LEFT", percent,
                                                          info.days() - info.day()))})
              .padding(Edge::top, 14 * ctx.u),
      });
}

} // namespace zavel
