#include "Shared/Views/FeaturedViews/WeatherDeckWeek.h"

#include "kit/foundation/TextOperations.h"

#include <algorithm>
#include <span>

namespace zavel::WeatherDeckWeek {

namespace {

constexpr std::size_t shownDays = 6;

std::span<const WeatherSnapshot::Day> shown(const WeatherSnapshot &snapshot) {
  return std::span(snapshot.days).first(std::min(shownDays, snapshot.days.size()));
}

std::string dayLabel(const WeatherSnapshot::Day &day) {
  return kit::foundation::uppercased(kit::foundation::prefixCharacters(day.label, 2));
}

// A narrow spread would blow small differences up to the whole scale.
double spread(int64_t lowest, int64_t highest) {
  double span = double(highest) - double(lowest);
  return span < 2 ? 1 : span;
}

} // namespace

std::vector<WeatherDeckView::WeekBar> weekBars(const WeatherSnapshot &snapshot,
                                               const std::string &today) {
  struct Value {
    std::string label;
    int64_t high;
    bool isToday;
  };
  std::vector<Value> values{{today, snapshot.high, true}};
  for (const auto &day : shown(snapshot))
    values.push_back({dayLabel(day), day.high, false});
  auto [lowest, highest] = std::ranges::minmax(values, {}, &Value::high);
  double span = spread(lowest.high, highest.high);
  std::vector<WeatherDeckView::WeekBar> bars;
  for (const Value &value : values)
    bars.push_back({value.label, (double(value.high) - double(lowest.high)) * 0.46 / span + 0.34,
                    value.isToday});
  return bars;
}

std::vector<WeatherDeckView::WeekRange> weekRanges(const WeatherSnapshot &snapshot,
                                                   const std::string &today) {
  using Range = WeatherDeckView::WeekRange;
  std::vector<Range> rows{{today, snapshot.low, snapshot.high}};
  for (const auto &day : shown(snapshot))
    rows.push_back({dayLabel(day), day.low, day.high});
  int64_t lowest = std::ranges::min(rows, {}, &Range::low).low;
  int64_t highest = std::ranges::max(rows, {}, &Range::high).high;
  double span = spread(lowest, highest);
  for (Range &row : rows) {
    row.start = (double(row.low) - double(lowest)) * 0.56 / span + 0.16;
    row.length = std::max((double(row.high) - double(row.low)) * 0.56 / span, 0.1);
  }
  return rows;
}

std::string axisHigh(const WeatherSnapshot &snapshot) {
  if (snapshot.days.empty())
    return "8";
  return std::to_string(std::ranges::max(snapshot.days, {}, &WeatherSnapshot::Day::high).high);
}

std::string axisLow(const WeatherSnapshot &snapshot) {
  if (snapshot.days.empty())
    return "4";
  return std::to_string(std::ranges::min(snapshot.days, {}, &WeatherSnapshot::Day::high).high);
}

} // namespace zavel::WeatherDeckWeek
