#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"

#include <cstdint>
#include <string>
#include <vector>

// The week as the weather deck draws it, worked out from a snapshot on every render: today
// first (labelled `today`, the current weekday's first two letters), then at most six forecast
// days, each labelled with its name's first two characters upper-cased.
namespace zavel::WeatherDeckWeek {

// One bar of the home chart; `pct` is its share of the chart's height, 0.34 for the lowest high
// to 0.80 for the highest.
struct Bar {
  std::string label;
  double pct = 0;
  bool isToday = false;
  bool operator==(const Bar &) const = default;
};

// One row of the week screen: the day's range on a shared scale, `start` and `length` fractions
// of the track (the segment never shorter than 0.1).
struct Range {
  std::string label;
  int64_t low = 0;
  int64_t high = 0;
  double start = 0;
  double length = 0;
  bool operator==(const Range &) const = default;
};

std::vector<Bar> bars(const WeatherSnapshot &snapshot, const std::string &today);
std::vector<Range> ranges(const WeatherSnapshot &snapshot, const std::string &today);

// The chart's scale: the highest and the lowest high of all the forecast days (today's left
// out), "8" and "4" when there are none.
struct Axis {
  std::string high;
  std::string low;
  bool operator==(const Axis &) const = default;
};
Axis axis(const WeatherSnapshot &snapshot);

} // namespace zavel::WeatherDeckWeek
