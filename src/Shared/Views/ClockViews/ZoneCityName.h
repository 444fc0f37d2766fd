#pragma once

#include "kit/foundation/TimeZone.h"

#include <string>

namespace zavel {

// The city a zone is named for, as a clock prints it: the identifier's last piece with blanks for
// underscores, upper-cased ("America/Argentina/Buenos_Aires" is "BUENOS AIRES", "UTC" is "UTC").
std::string zoneCityName(const kit::foundation::TimeZone &zone);

} // namespace zavel
