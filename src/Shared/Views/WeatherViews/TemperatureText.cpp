#include "Shared/Views/WeatherViews/TemperatureText.h"

#include <fmt/format.h>

namespace zavel {

std::string degrees(int64_t temperature) { return fmt::format("{}°", temperature); }

} // namespace zavel
