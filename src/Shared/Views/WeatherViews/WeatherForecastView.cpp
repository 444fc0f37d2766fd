#include "Shared/Views/WeatherViews/WeatherForecastView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/ScreenHeader.h"
#include "Shared/Views/SpreadRow.h"
#include "Shared/Views/TemperatureText.h"
#include "kit/foundation/DateFormatter.h"
#include "kit/foundation/TextOperations.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <fmt/format.h>

namespace zavel {
namespace {

using namespace kit::ui;
using kit::foundation::prefixCharacters;

// Today and the six days after it.
constexpr std::size_t followingDays = 6;

struct DayColumn {
  std::string label;
  int64_t temp = 0;
  bool isToday = false;
};

// The extremes of every day known, today's included, even those past the six shown.
std::string extremesText(const WeatherSnapshot &data) {
  int64_t high = data.high, low = data.low;
  for (const WeatherSnapshot::Day &day : data.days) {
    high = std::max(high, day.high);
    low = std::min(low, day.low);
  }
  return fmt::format("H {}° · L {}°", high, low);
}

// Today's weekday in the device's language and zone, cut to two characters.
std::string todayLabel(kit::foundation::Date now) {
  using namespace kit::foundation;
  DateFormatter weekday("EEE", Locale::current(), TimeZone::current());
  return prefixCharacters(weekday.string(now), 2);
}

std::vector<DayColumn> columns(const WeatherSnapshot &data, kit::foundation::Date now) {
  std::vector<DayColumn> columns{{todayLabel(now), data.high, true}};
  std::size_t count = std::min(followingDays, data.days.size());
  for (std::size_t i = 0; i < count; ++i)
    columns.push_back({prefixCharacters(data.days[i].label, 2), data.days[i].high, false});
  return columns;
}

View cell(const DayColumn &column, const ZCtx &ctx) {
  return VStack(
      HAlign::center, 10 * ctx.u,
      {
          Text(temperatureText(column.temp))
              .font(ctx.mono(20, FontWeight::bold))
              .foreground(column.isToday ? ctx.accent : ZavelTokens::screenText1)
              .textRole(TextRole::data),
          MicroLabel(column.label, 9, 0.12,
                     column.isToday ? ZavelTokens::screenText1 : ZavelTokens::screenText3, ctx),
      });
}

} // namespace

WeatherForecastView::WeatherForecastView(WeatherSnapshot data, ZCtx ctx,
                                         kit::foundation::Clock clock)
    : data(std::move(data)), clock(std::move(clock)), ctx(ctx) {}

View WeatherForecastView::body() const {
  double u = ctx.u;
  return ScreenColumn(
      ctx, mediumColumn,
      {
          ScreenHeader(data.place + " — NEXT 7 DAYS",
                       MicroLabel(extremesText(data), 10, 0.1, ZavelTokens::screenText3, ctx), ctx),
          Spacer(),
          SpreadRow(VAlign::bottom, columns(data, clock.now()),
                    [&](const DayColumn &column) { return cell(column, ctx); })
              .padding(Edge::horizontal, 4 * u)
              .padding(Edge::bottom, 6 * u),
      });
}

} // namespace zavel
