#pragma once

#include "kit/foundation/JsonCoding.h"
#include "kit/ui/Geometry.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Values read from command-line words; each throws BadInput naming what it read.
namespace zavel::host::arguments {

// A JSON object ("{}" and up); malformed text or another JSON value is refused.
kit::foundation::Json jsonObject(std::string_view what, const std::string &text);

// Refuses JSON text nested deeper than any record may be, before anything parses it.
void refuseDeepJson(std::string_view what, std::string_view text);

// A finite number written in full ("2", "0.5", "-3e1").
double number(std::string_view what, std::string_view text);
// A whole number in range, written in full.
int64_t wholeNumber(std::string_view what, std::string_view text);

// "WxH" in points, both positive ("364x170", "170.5x90").
kit::ui::Size size(std::string_view text);

// Choices as a refusal lists them: "home|today|week".
std::string alternatives(const std::vector<std::string_view> &names);

// The value paired with `text` among `choices`.
template <class Value>
Value choice(std::string_view what, std::string_view text,
             const std::vector<std::pair<std::string_view, Value>> &choices);

// ---- Implementation -------------------------------------------------------------------------

[[noreturn]] void refuseChoice(std::string_view what, std::string_view text,
                               const std::vector<std::string_view> &names);

template <class Value>
Value choice(std::string_view what, std::string_view text,
             const std::vector<std::pair<std::string_view, Value>> &choices) {
  std::vector<std::string_view> names;
  for (const auto &[name, value] : choices) {
    if (name == text)
      return value;
    names.push_back(name);
  }
  refuseChoice(what, text, names);
}

} // namespace zavel::host::arguments
