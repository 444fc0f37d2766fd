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

std::vector<Bar> bars(const WeatherSnapshot &snapshot, const std::string &today) {
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
  std::vector<Bar> bars;
  for (const Value &value : values)
    bars.push_back({value.label, (double(value.high) - double(lowest.high)) * 0.46 / span + 0.34,
                    value.isToday});
  return bars;
}

std::vector<Range> ranges(const WeatherSnapshot &snapshot, const std::string &today) {
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

Axis axis(const WeatherSnapshot &snapshot) {
  if (snapshot.days.empty())
    return {"8", "4"};
  auto [lowest, highest] = std::ranges::minmax(snapshot.days, {}, &WeatherSnapshot::Day::high);
  return {std::to_string(highest.high), std::to_string(lowest.high)};
}

} // namespace zavel::WeatherDeckWeek
