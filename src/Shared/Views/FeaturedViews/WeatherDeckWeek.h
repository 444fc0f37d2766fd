#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Views/FeaturedViews/WeatherDeckView.h"

#include <string>
#include <vector>

// The week as the weather deck draws it, worked out from a snapshot on every render: today
// first (labelled `today`, the current weekday's first two letters), then at most six forecast
// days, each labelled with its name's first two characters upper-cased.
namespace zavel::WeatherDeckWeek {

std::vector<WeatherDeckView::WeekBar> weekBars(const WeatherSnapshot &snapshot,
                                               const std::string &today);
std::vector<WeatherDeckView::WeekRange> weekRanges(const WeatherSnapshot &snapshot,
                                                   const std::string &today);

// The chart's scale: the highest and the lowest high of all the forecast days (today's left
// out), "8" and "4" when there are none.
std::string axisHigh(const WeatherSnapshot &snapshot);
std::string axisLow(const WeatherSnapshot &snapshot);

} // namespace zavel::WeatherDeckWeek
