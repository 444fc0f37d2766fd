#pragma once

#include <string_view>

namespace zavel {

// Whether the text is a URL as written in a document (absolute or relative): only the characters
// a URL may hold, every "%" starting an escape, and a well-formed scheme when it names one.
bool isURLString(std::string_view text);

// Whether the text is an absolute http or https URL with a host: the only links a headline
// keeps, so opening one can never reach a file or another application.
bool isWebLink(std::string_view text);

} // namespace zavel
