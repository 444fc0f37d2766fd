#include "Shared/Data/WeatherProvider/CoordinateText.h"

#include <charconv>
#include <system_error>

namespace zavel::WeatherProvider {

std::string coordinateText(double value) {
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  if (text.find_first_not_of("-0123456789") == std::string::npos)
    text += ".0";
  return text;
}

std::optional<double> coordinateValue(std::string_view text) {
  // A leading "+" is a sign like "-", which from_chars alone refuses.
  if (text.starts_with('+') && text.size() > 1 && text[1] != '-')
    text.remove_prefix(1);
  double value = 0;
  const char *end = text.data() + text.size();
  auto [parsedEnd, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || parsedEnd != end)
    return std::nullopt;
  return value;
}

} // namespace zavel::WeatherProvider
