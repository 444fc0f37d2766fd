#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zavel {

// A number of minutes as hours and minutes, "45M" under an hour and "3H 24M" (minutes unpadded)
// from one, with the separator and unit given: `upperHM(65, "h ", "m")` is "1h 5m".
std::string upperHM(int64_t minutes, std::string_view separator, std::string_view unit);

} // namespace zavel
