#pragma once

#include "kit/foundation/Date.h"

#include <string>
#include <string_view>

namespace zavel {

// The date by a fixed pattern ("EEEE", "d", "MMMM yyyy"), in English and the device's zone, so
// the agenda faces read the same whatever the user's language.
std::string calLabel(std::string_view pattern, kit::foundation::Date date);

} // namespace zavel
