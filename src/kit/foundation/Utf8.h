#pragma once

#include <string>
#include <string_view>

namespace kit::foundation {

// Text from outside (files, feeds, calendars, host records) as valid UTF-8: every ill-formed
// sequence becomes U+FFFD, so encoding it later can never fail.
std::string sanitizedUtf8(std::string_view text);

} // namespace kit::foundation
