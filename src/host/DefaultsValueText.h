#pragma once

#include "kit/foundation/Defaults.h"

#include <string>
#include <string_view>

namespace zavel::host {

// A stored value as `defaults read` prints it: a number as a number, a boolean as true or
// false, a string as it is, data as its text, a string array as a JSON array.
std::string defaultsValueText(const kit::foundation::DefaultsValue &value);

// The value `defaults write` stores for a type option ("--int", "--double", "--bool",
// "--string", "--json" for JSON text kept as data, "--array" for a JSON array of strings) and
// the text given; BadInput when the text is not of that type.
kit::foundation::DefaultsValue defaultsValue(std::string_view typeOption, const std::string &text);

} // namespace zavel::host
