#pragma once

#include <cstdint>
#include <string>

namespace zavel::WeatherProvider {

// The words for a forecast service's weather code, by day or by night; "—" for a code it does
// not name.
std::string conditionText(int64_t code, bool isDay);

} // namespace zavel::WeatherProvider
