#include "Shared/Views/AgendaViews/CalendarDayEventsView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/AgendaViews/DayLabels.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/Hairline.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <vector>

namespace zavel {
namespace {

using namespace kit::ui;

constexpr size_t shownEvents = 2;

// The next two events not over yet (one running counts); once all are over, the last two.
std::vector<EventItem> shownOf(const std::vector<EventItem> &events) {
  std::vector<EventItem> upcoming;
  std::copy_if(events.begin(), events.end(), std::back_inserter(upcoming),
               [](const EventItem &event) { return !event.isPast; });
  if (upcoming.empty())
    return {events.end() - std::min(events.size(), shownEvents), events.end()};
  upcoming.resize(std::min(upcoming.size(), shownEvents));
  return upcoming;
}

View dateColumn(kit::foundation::Date date, const ZCtx &ctx) {
  double u = ctx.u;
  return VStack(HAlign::leading, 0,
                {
                    DayNumeral(date, 74, ctx),
                    WeekdayLabel(date, ctx).padding(Edge::top, 8 * u),
                })
      .padding(Edge::leading, 30 * u)
      .frame({.width = 200 * u, .alignment = Alignment::leading});
}

View divider(double u) {
  return Rectangle()
      .fill(ZavelTokens::hairlineRow)
      .frame({.width = hairlineWidth(u)})
      .padding(Edge::vertical, 36 * u);
}

std::string timeLine(const EventItem &event) {
  return event.end ? event.start + " – " + *event.end : event.start;
}

View eventRow(const EventItem &event, const ZCtx &ctx) {
  return VStack(HAlign::leading, 0,
                {
                    Text(timeLine(event))
                        .font(ctx.mono(9, FontWeight::regular))
                        .tracking(1.62 * ctx.u)
                        .foreground(event.isNext ? ctx.accent : ZavelTokens::screenText3)
                        .textRole(TextRole::data),
                    Text(event.title)
                        .font(ctx.mono(13, FontWeight::regular))
                        .lineLimit(1)
                        .padding(Edge::top, 4 * ctx.u),
                });
}

View noEvents(const ZCtx &ctx) {
  return Text("No more events today")
      .font(ctx.mono(13, FontWeight::regular))
      .foreground(ZavelTokens::screenText3);
}

View eventsColumn(const std::vector<EventItem> &events, const ZCtx &ctx) {
  double u = ctx.u;
  View rows =
      events.empty()
          ? noEvents(ctx)
          : ForEach(shownOf(events), [&](const EventItem &event) { return eventRow(event, ctx); });
  return VStack(HAlign::leading, 18 * u, {rows})
      .padding(Edge::leading, 30 * u)
      .frame({.maxWidth = infinity, .alignment = Alignment::leading});
}

} // namespace

View CalendarDayEventsView::body() const {
  return DeviceScreen(ctx, HStack(VAlign::center, 0,
                                  {
                                      dateColumn(date, ctx),
                                      divider(ctx.u),
                                      eventsColumn(data.events, ctx),
                                  })
                               .frame(Frame::fill()));
}

} // namespace zavel
