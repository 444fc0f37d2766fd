#include "Shared/Views/HealthViews/HabitsView.h"

#include "Shared/Data/WidgetIntents/HabitToggleIntent.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/TapArea.h"
#include "Shared/Views/ViewRanges.h"
#include "kit/foundation/Calendar.h"
#include "kit/intents/AppIntent.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <fmt/format.h>
#include <span>

namespace zavel {
namespace {

using namespace kit::ui;

constexpr std::size_t mostRows = 3;

// Monday 0 to Sunday 6, in the current calendar and zone.
int dayIndex(kit::foundation::Date date) {
  int weekday = kit::foundation::Calendar::current().components(date).weekday; // 1 is Sunday
  return (weekday + 5) % 7;
}

// The seven dots of a row, Monday first.
View weekDots(const HabitsView &view, int64_t done, int today) {
  double u = view.ctx.u;
  return HStack(VAlign::center, 8 * u, {ForEach(indices(7), [&](int day) {
                  return Circle().fill(view.dotColor(day, done, today)).frame(9 * u, 9 * u);
                })});
}

// A whole row is the habit's key.
View habitRow(const HabitsView &view, const HabitWeekRow &row, int today) {
  const ZCtx &ctx = view.ctx;
  return TapArea(kit::intents::intentReference(HabitToggleIntent{row.id.uuidString()}),
                 HStack(VAlign::center, 16 * ctx.u,
                        {
                            MicroLabel(row.name, 10, 0.14, ctx.casingInk(), ctx)
                                .frame({.width = 96 * ctx.u, .alignment = Alignment::leading}),
                            weekDots(view, row.done, today)
                                .frame({.maxWidth = infinity, .alignment = Alignment::leading}),
                            Text(fmt::format("{}/{}", row.done, row.total))
                                .font(ctx.mono(10, FontWeight::regular))
                                .foreground(ctx.casingInk(InkLevel::tertiary))
                                .textRole(TextRole::data),
                        }));
}

} // namespace

// Drawn on the casing: today's lit dot in the accent's casing shade, the earlier ones in the
// muted ink, unlit ones in the casing's unlit ink (on cream lighter than any lit dot).
Color HabitsView::dotColor(int day, int64_t done, int today) const {
  Color unlit = ctx.casingInk(InkLevel::unlit);
  if (day == today)
    return day < done ? ctx.casingShade(ctx.accent) : unlit;
  if (day < today && day < done)
    return ctx.casingInk(InkLevel::muted);
  return unlit;
}

View HabitsView::body() const {
  return TimelineView([view = *this](kit::foundation::Date now) {
    int today = dayIndex(now);
    auto rows = std::span(view.data).first(std::min(mostRows, view.data.size()));
    return PaddedColumn(
        view.ctx,
        {.alignment = Alignment::leading, .spacing = 22, .vertical = 22, .horizontal = 26},
        {
            ForEach(rows, [&](const HabitWeekRow &row) { return habitRow(view, row, today); }),
            MicroLabel("TAP A ROW TO LOG TODAY", 8, 0.16, view.ctx.casingInk(InkLevel::muted),
                       view.ctx),
        });
  });
}

} // namespace zavel
