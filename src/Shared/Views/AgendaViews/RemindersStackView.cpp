#include "Shared/Views/AgendaViews/RemindersStackView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/AgendaViews/DisplayRows.h"
#include "Shared/Views/AgendaViews/ReminderTexts.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

namespace zavel {
namespace {

using namespace kit::ui;

// What the stack shows on a day with nothing on it.
const ReminderItem allClear{
    .id = "none", .title = "All clear", .time = std::nullopt, .done = false, .isUrgent = false};

View pill(const ReminderItem &item, const ZCtx &ctx) {
  double u = ctx.u;
  return HStack(VAlign::center, 12 * u, {ReminderTexts(item, ctx)})
      .padding(Edge::vertical, 12 * u)
      .padding(Edge::horizontal, 16 * u)
      .background(
          RoundedRectangle(10 * u, RoundedCornerStyle::continuous).fill(ZavelTokens::screenChip));
}

} // namespace

View RemindersStackView::body() const {
  std::vector<ReminderItem> rows = displayRows(data);
  if (rows.empty())
    rows.push_back(allClear);
  return ScreenColumn(
      ctx, {.alignment = Alignment::center, .spacing = 10, .vertical = 20, .horizontal = 22},
      {ForEach(rows, [&](const ReminderItem &item) { return pill(item, ctx); })});
}

} // namespace zavel
