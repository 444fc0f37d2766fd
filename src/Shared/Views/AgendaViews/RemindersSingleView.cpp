#include "Shared/Views/AgendaViews/RemindersSingleView.h"

#include "Shared/Data/WidgetIntents/ToggleReminderIntent.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/intents/AppIntent.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <fmt/format.h>

namespace zavel {
namespace {

using namespace kit::ui;

std::optional<ReminderItem> shownReminder(const RemindersSnapshot &data) {
  if (data.nextUp)
    return data.nextUp;
  auto open = std::find_if(data.items.begin(), data.items.end(),
                           [](const ReminderItem &item) { return !item.done; });
  return open != data.items.end() ? std::optional(*open) : std::nullopt;
}

// When the reminder is due; the countdown only for the reminder the snapshot counts down to.
std::string footerText(const ReminderItem &shown, const RemindersSnapshot &data) {
  if (!shown.time)
    return "NO TIME SET";
  const std::string &time = *shown.time;
  if (!data.nextUp || !data.minutesToNext || data.nextUp->id != shown.id)
    return time;
  int64_t m = *data.minutesToNext;
  if (m < 60)
    return fmt::format("{} — IN {}M", time, m);
  if (m < 120)
    return fmt::format("{} — IN 1H {}M", time, m - 60);
  return fmt::format("{} — IN {}H", time, m / 60);
}

View footer(const ReminderItem &shown, const RemindersSnapshot &data, const ZCtx &ctx) {
  return Text(footerText(shown, data))
      .font(ctx.mono(10, FontWeight::semibold))
      .tracking(1.4 * ctx.u)
      .lineLimit(1)
      .foreground(shown.time ? ctx.accent : ZavelTokens::screenText3)
      .textRole(TextRole::data);
}

// The whole disc is the key, not only its drawn ring.
View roundKey(const ReminderItem &shown, double u) {
  return Button(kit::intents::intentReference(ToggleReminderIntent{shown.id}),
                Circle()
                    .strokeBorder(ZavelTokens::muted, 1.5 * u)
                    .frame(17 * u, 17 * u)
                    .contentShape(Circle()))
      .buttonStyle(plainButtonStyle());
}

View allClearDot(double u) { return Circle().fill(ZavelTokens::dataTeal).frame(17 * u, 17 * u); }

View title(const std::string &text, const ZCtx &ctx) {
  return Text(text).font(ctx.mono(14, FontWeight::regular)).padding(Edge::top, 12 * ctx.u);
}

} // namespace

View RemindersSingleView::body() const {
  double u = ctx.u;
  std::optional<ReminderItem> shown = shownReminder(data);
  View today = MicroLabel("TODAY", 9, 0.18, ZavelTokens::screenText2, ctx);
  if (!shown)
    return ScreenColumn(ctx, {},
                        {
                            today,
                            allClearDot(u).padding(Edge::top, 22 * u),
                            title("All clear", ctx),
                            Spacer(0),
                        });
  return ScreenColumn(ctx, {},
                      {
                          today,
                          roundKey(*shown, u).padding(Edge::top, 22 * u),
                          title(shown->title, ctx).lineSpacing(7 * u).lineLimit(3),
                          Spacer(0),
                          footer(*shown, data, ctx),
                      });
}

} // namespace zavel
