#include "kit/foundation/DefaultsCoercion.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace kit::foundation {

namespace {

// The integer toward zero, saturated at the 64-bit range; NaN is 0.
int64_t truncated(double value) {
  if (std::isnan(value))
    return 0;
  if (value >= 9223372036854775808.0)
    return std::numeric_limits<int64_t>::max();
  if (value < -9223372036854775808.0)
    return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(value);
}

// A whole text that is an integer or a decimal number; none for anything else.
std::optional<int64_t> integerFromText(std::string_view text) {
  const char *end = text.data() + text.size();
  int64_t integer = 0;
  auto [integerEnd, integerError] = std::from_chars(text.data(), end, integer);
  if (integerError == std::errc() && integerEnd == end)
    return integer;
  double number = 0;
  auto [numberEnd, numberError] = std::from_chars(text.data(), end, number);
  if (numberEnd == end &&
      (numberError == std::errc() || numberError == std::errc::result_out_of_range))
    return truncated(number);
  return std::nullopt;
}

std::string shortestText(double value) {
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

} // namespace

std::optional<std::string> dataOf(const DefaultsValue &value) {
  if (const auto *data = std::get_if<Data>(&value))
    return data->bytes;
  return std::nullopt;
}

std::optional<int64_t> numberOf(const DefaultsValue &value) {
  if (const auto *integer = std::get_if<int64_t>(&value))
    return *integer;
  if (const auto *number = std::get_if<double>(&value))
    return truncated(*number);
  if (const auto *flag = std::get_if<bool>(&value))
    return *flag ? 1 : 0;
  if (const auto *text = std::get_if<std::string>(&value))
    return integerFromText(*text);
  return std::nullopt;
}

int64_t integerOf(const DefaultsValue &value) { return numberOf(value).value_or(0); }

int64_t integerOf(const std::optional<DefaultsValue> &value) {
  return value ? integerOf(*value) : 0;
}

std::optional<std::string> stringOf(const DefaultsValue &value) {
  if (const auto *text = std::get_if<std::string>(&value))
    return *text;
  if (const auto *integer = std::get_if<int64_t>(&value))
    return std::to_string(*integer);
  if (const auto *number = std::get_if<double>(&value))
    return shortestText(*number);
  if (const auto *flag = std::get_if<bool>(&value))
    return *flag ? "1" : "0";
  return std::nullopt;
}

std::optional<std::vector<std::string>> stringArrayOf(const DefaultsValue &value) {
  if (const auto *strings = std::get_if<std::vector<std::string>>(&value))
    return *strings;
  return std::nullopt;
}

} // namespace kit::foundation
