#include "Shared/Views/AgendaViews/CalendarAgendaView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/AgendaViews/CalLabel.h"
#include "Shared/Views/Hardware/Bars.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace zavel {
namespace {

using namespace kit::ui;

constexpr size_t shownEvents = 3;

// A stored snapshot may hold any number: the share is held to 0…1, and one that is not a
// number counts as none, so the percentage and the bar agree.
double elapsedShare(double dayProgress) {
  return std::isfinite(dayProgress) ? std::clamp(dayProgress, 0.0, 1.0) : 0.0;
}

std::string percentText(double share) { return std::to_string(std::lround(share * 100)) + "%"; }

std::vector<EventItem> firstEvents(const std::vector<EventItem> &events) {
  return {events.begin(), events.begin() + std::min(events.size(), shownEvents)};
}

// The detail of an event still to come, with its separators as dashes.
std::optional<std::string> shownDetail(const EventItem &event) {
  if (event.isPast || !event.detail)
    return std::nullopt;
  const std::string dot = "·", dash = "—";
  std::string detail = *event.detail;
  for (size_t at = detail.find(dot); at != std::string::npos;
       at = detail.find(dot, at + dash.size()))
    detail.replace(at, dot.size(), dash);
  return detail;
}

Color timeColor(const EventItem &event, const ZCtx &ctx) {
  if (event.isPast)
    return ZavelTokens::muted;
  return event.isNext ? ctx.accent : ZavelTokens::screenText1;
}

View titleAndDetail(const EventItem &event, const ZCtx &ctx) {
  Color titleColor = event.isPast ? ZavelTokens::muted : ZavelTokens::screenText1;
  View title = Text(event.title)
                   .font(ctx.mono(14, FontWeight::regular))
                   .foreground(titleColor)
                   .strikethrough(event.isPast)
                   .lineLimit(1);
  std::optional<std::string> detail = shownDetail(event);
  if (!detail)
    return VStack(HAlign::leading, 0, {title});
  return VStack(
      HAlign::leading, 0,
      {
          title,
          MicroLabel(*detail, 9, 0.14, ZavelTokens::screenText3, ctx).padding(Edge::top, 5 * ctx.u),
      });
}

View eventRow(const EventItem &event, const ZCtx &ctx) {
  double u = ctx.u;
  FontWeight weight = event.isNext ? FontWeight::semibold : FontWeight::regular;
  return HStack(VAlign::top, 18 * u,
                {
                    Text(event.start)
                        .font(ctx.mono(11, weight))
                        .foreground(timeColor(event, ctx))
                        .textRole(TextRole::data)
                        .frame({.width = 46 * u, .alignment = Alignment::leading}),
                    titleAndDetail(event, ctx),
                });
}

View rows(const std::vector<EventItem> &events, const ZCtx &ctx) {
  if (events.empty())
    return Text("Nothing scheduled")
        .font(ctx.mono(14, FontWeight::regular))
        .foreground(ZavelTokens::screenText3);
  return ForEach(firstEvents(events), [&](const EventItem &event) { return eventRow(event, ctx); });
}

View footerLabel(const std::string &text, const ZCtx &ctx) {
  return MicroLabel(text, 9, 0.14, ZavelTokens::screenText3, ctx);
}

} // namespace

View CalendarAgendaView::body() const {
  double u = ctx.u;
  double share = elapsedShare(data.dayProgress);
  return ScreenColumn(
      ctx, {.vertical = 30, .horizontal = 32},
      {
          HStack(VAlign::firstTextBaseline,
                 {
                     Text(calLabel("MMMM d", date)).font(ctx.mono(20, FontWeight::bold)),
                     Spacer(),
                     MicroLabel(std::to_string(data.events.size()) + " EVENTS", 9, 0.16,
                                ZavelTokens::screenText3, ctx),
                 }),
          VStack(HAlign::leading, 26 * u, {rows(data.events, ctx)}).padding(Edge::top, 34 * u),
          Spacer(),
          HStack(VAlign::center,
                 {footerLabel("DAY ELAPSED", ctx), Spacer(), footerLabel(percentText(share), ctx)}),
          TrackBar(share, {.height = 5}, ctx).padding(Edge::top, 10 * u),
      });
}

} // namespace zavel
