#include "host/DefaultsValueText.h"

#include "host/ArgumentValues.h"
#include "host/CommandErrors.h"
#include "host/QuotedText.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/TextOperations.h"

#include <algorithm>

namespace zavel::host {
namespace {

using kit::foundation::Json;

std::string printed(const Json &json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

struct TextOf {
  std::string operator()(const kit::foundation::Data &data) const { return data.bytes; }
  std::string operator()(int64_t value) const { return std::to_string(value); }
  std::string operator()(double value) const { return printed(value); }
  std::string operator()(bool value) const { return value ? "true" : "false"; }
  std::string operator()(const std::string &value) const { return value; }
  std::string operator()(const std::vector<std::string> &values) const { return printed(values); }
};

bool boolean(const std::string &text) {
  std::string lower = kit::foundation::asciiLowercased(text);
  if (lower == "true" || lower == "yes" || lower == "1")
    return true;
  if (lower == "false" || lower == "no" || lower == "0")
    return false;
  throw BadInput("--bool takes true or false, not " + quotedWord(text));
}

Json parsedJson(std::string_view option, const std::string &text) {
  arguments::refuseDeepJson(option, text);
  Json json = Json::parse(text, nullptr, false);
  if (json.is_discarded())
    throw BadInput(std::string(option) + " takes JSON text; this is not valid JSON");
  return json;
}

std::vector<std::string> stringArray(const std::string &text) {
  Json json = parsedJson("--array", text);
  bool strings = json.is_array() && std::all_of(json.begin(), json.end(),
                                                [](const Json &item) { return item.is_string(); });
  if (!strings)
    throw BadInput("--array takes a JSON array of strings");
  return json.get<std::vector<std::string>>();
}

} // namespace

std::string defaultsValueText(const kit::foundation::DefaultsValue &value) {
  return std::visit(TextOf{}, value);
}

kit::foundation::DefaultsValue defaultsValue(std::string_view typeOption, const std::string &text) {
  if (typeOption == "--int")
    return arguments::wholeNumber("--int", text);
  if (typeOption == "--double")
    return arguments::number("--double", text);
  if (typeOption == "--bool")
    return boolean(text);
  if (typeOption == "--json") {
    parsedJson("--json", text);
    return kit::foundation::Data{text};
  }
  if (typeOption == "--array")
    return stringArray(text);
  return text;
}

} // namespace zavel::host
