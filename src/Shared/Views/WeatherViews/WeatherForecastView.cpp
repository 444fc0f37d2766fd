#include "Shared/Views/WeatherViews/WeatherForecastView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/ScreenHeader.h"
#include "Shared/Views/WeatherViews/SpreadRow.h"
#include "Shared/Views/WeatherViews/TemperatureText.h"
#include "kit/foundation/DateFormatter.h"
#include "kit/foundation/TextOperations.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <fmt/format.h>

namespace zavel {

using namespace kit::ui;
using kit::foundation::prefixCharacters;

namespace {

// Today and the six days after it.
constexpr std::size_t followingDays = 6;

} // namespace

WeatherForecastView::WeatherForecastView(WeatherSnapshot data, ZCtx ctx,
                                         kit::foundation::Clock clock)
    : data(std::move(data)), clock(std::move(clock)), ctx(ctx) {}

int64_t WeatherForecastView::weekHigh() const {
  int64_t high = data.high;
  for (const WeatherSnapshot::Day &day : data.days)
    high = std::max(high, day.high);
  return high;
}

int64_t WeatherForecastView::weekLow() const {
  int64_t low = data.low;
  for (const WeatherSnapshot::Day &day : data.days)
    low = std::min(low, day.low);
  return low;
}

std::string WeatherForecastView::todayLabel() const {
  using namespace kit::foundation;
  DateFormatter weekday("EEE", Locale::current(), TimeZone::current());
  return prefixCharacters(weekday.string(clock.now()), 2);
}

std::vector<WeatherForecastView::DayColumn> WeatherForecastView::columns() const {
  std::vector<DayColumn> columns{{todayLabel(), data.high, true}};
  std::size_t count = std::min(followingDays, data.days.size());
  for (std::size_t i = 0; i < count; ++i)
    columns.push_back({prefixCharacters(data.days[i].label, 2), data.days[i].high, false});
  return columns;
}

View WeatherForecastView::cell(const DayColumn &column) const {
  return VStack(
      HAlign::center, 10 * ctx.u,
      {
          Text(degrees(column.temp))
              .font(ctx.mono(20, FontWeight::bold))
              .foreground(column.isToday ? ctx.accent : ZavelTokens::screenText1),
          MicroLabel(column.label, 9, 0.12,
                     column.isToday ? ZavelTokens::screenText1 : ZavelTokens::screenText3, ctx),
      });
}

View WeatherForecastView::body() const {
  double u = ctx.u;
  std::string extremes = fmt::format("H {}° · L {}°", weekHigh(), weekLow());
  std::vector<View> cells;
  for (const DayColumn &column : columns())
    cells.push_back(cell(column));
  return DeviceScreen(
      ctx,
      VStack(HAlign::center, 0,
             {
                 ScreenHeader(data.place + " — NEXT 7 DAYS",
                              MicroLabel(extremes, 10, 0.1, ZavelTokens::screenText3, ctx), ctx),
                 Spacer(),
                 SpreadRow(VAlign::bottom, cells)
                     .padding(Edge::horizontal, 4 * u)
                     .padding(Edge::bottom, 6 * u),
             })
          .padding(Edge::vertical, 22 * u)
          .padding(Edge::horizontal, 26 * u)
          .frame(Frame::fill(Alignment::top)));
}

} // namespace zavel
