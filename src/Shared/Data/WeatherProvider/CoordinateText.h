#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zavel::WeatherProvider {

// The shortest decimal text that reads back as the same number, with ".0" after a whole number:
// 51.5072 is "51.5072", 13 is "13.0". Used in requests and in place ids.
std::string coordinateText(double value);

// The number the whole text denotes ("-0.1276", "+13", "1e1"); none for any other text,
// leading or trailing blanks included, and for a number too large to hold.
std::optional<double> coordinateValue(std::string_view text);

} // namespace zavel::WeatherProvider
