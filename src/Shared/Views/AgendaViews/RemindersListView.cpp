#include "Shared/Views/AgendaViews/RemindersListView.h"

#include "Shared/Data/WidgetIntents/ToggleReminderIntent.h"
#include "Shared/Theme/AccentInk.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/AgendaViews/DisplayRows.h"
#include "Shared/Views/AgendaViews/ReminderTexts.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/ScreenHeader.h"
#include "kit/intents/AppIntent.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <string>

namespace zavel {
namespace {

using namespace kit::ui;

// Every open reminder of the day, not only those the rows show.
int64_t openCount(const RemindersSnapshot &data) {
  return std::count_if(data.items.begin(), data.items.end(),
                       [](const ReminderItem &item) { return !item.done; });
}

// The count clear of the capsule's rounded ends, whatever its digits.
View countBadge(int64_t count, const ZCtx &ctx) {
  double u = ctx.u;
  return Text(std::to_string(count))
      .font(ctx.mono(10, FontWeight::bold))
      .foreground(accentInk(ctx.accent))
      .textRole(TextRole::data)
      .padding(Edge::horizontal, 5 * u)
      .frame({.height = 18 * u, .minWidth = 18 * u})
      .background(Capsule(RoundedCornerStyle::continuous).fill(ctx.accent));
}

View checkCircle(bool done, double u) {
  Color ring = done ? ZavelTokens::dataTeal : ZavelTokens::muted;
  return ZStack({
                    Circle().fill(done ? ZavelTokens::dataTeal : Color::clear),
                    Circle().strokeBorder(ring, 1.5 * u),
                })
      .frame(14 * u, 14 * u);
}

// The whole padded row is the key, though nothing is drawn behind it.
View row(const ReminderItem &item, const ZCtx &ctx) {
  double u = ctx.u;
  View label = HStack(VAlign::center, 12 * u, {checkCircle(item.done, u), ReminderTexts(item, ctx)})
                   .padding(Edge::vertical, 9 * u)
                   .padding(Edge::horizontal, 8 * u)
                   .contentShape(RoundedRectangle(8 * u, RoundedCornerStyle::continuous));
  return Button(kit::intents::intentReference(ToggleReminderIntent{item.id}), label)
      .buttonStyle(plainButtonStyle());
}

} // namespace

View RemindersListView::body() const {
  double u = ctx.u;
  return ScreenColumn(
      ctx, {.vertical = 20, .horizontal = 22},
      {
          ScreenHeader("REMINDERS", countBadge(openCount(data), ctx), ctx),
          VStack(HAlign::center, 6 * u,
                 {ForEach(displayRows(data),
                          [&](const ReminderItem &item) { return row(item, ctx); })})
              .padding(Edge::top, 14 * u),
          Spacer(0),
      });
}

} // namespace zavel
