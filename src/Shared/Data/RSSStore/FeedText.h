#pragma once

#include <string_view>

namespace zavel {

// The text without white space or line breaks (any Unicode white space: spaces, tabs, U+00A0,
// U+2028, ...) at either end.
std::string_view trimmingWhitespaceAndNewlines(std::string_view text);

} // namespace zavel
