#include "host/ArgumentValues.h"

#include "host/CommandErrors.h"
#include "host/QuotedText.h"
#include "kit/foundation/JsonNesting.h"

#include <charconv>
#include <cmath>

namespace zavel::host::arguments {
namespace {

template <class Number> std::optional<Number> parsed(std::string_view text) {
  Number value{};
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

} // namespace

kit::foundation::Json jsonObject(std::string_view what, const std::string &text) {
  refuseDeepJson(what, text);
  auto json = kit::foundation::Json::parse(text, nullptr, false);
  if (json.is_discarded())
    throw BadInput(std::string(what) + " is not valid JSON");
  if (!json.is_object())
    throw BadInput(std::string(what) + " must be a JSON object");
  return json;
}

void refuseDeepJson(std::string_view what, std::string_view text) {
  if (!kit::foundation::jsonNestsWithin(text))
    throw BadInput(std::string(what) + " nests deeper than " +
                   std::to_string(kit::foundation::largestJsonNesting) + " levels");
}

double number(std::string_view what, std::string_view text) {
  auto value = parsed<double>(text);
  if (!value || !std::isfinite(*value))
    throw BadInput(std::string(what) + " must be a number, not " + quotedWord(text));
  return *value;
}

int64_t wholeNumber(std::string_view what, std::string_view text) {
  auto value = parsed<int64_t>(text);
  if (!value)
    throw BadInput(std::string(what) + " must be a whole number, not " + quotedWord(text));
  return *value;
}

kit::ui::Size size(std::string_view text) {
  auto cross = text.find('x');
  if (cross != std::string_view::npos) {
    auto width = parsed<double>(text.substr(0, cross));
    auto height = parsed<double>(text.substr(cross + 1));
    if (width && height && std::isfinite(*width) && std::isfinite(*height) && *width > 0 &&
        *height > 0)
      return {*width, *height};
  }
  throw BadInput("--size must be WIDTHxHEIGHT in points, not " + quotedWord(text));
}

std::string alternatives(const std::vector<std::string_view> &names) {
  std::string list;
  for (std::string_view name : names)
    list += (list.empty() ? "" : "|") + std::string(name);
  return list;
}

void refuseChoice(std::string_view what, std::string_view text,
                  const std::vector<std::string_view> &names) {
  throw BadInput(std::string(what) + " must be " + alternatives(names) + ", not " +
                 quotedWord(text));
}

} // namespace zavel::host::arguments
