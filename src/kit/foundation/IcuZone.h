#pragma once

#include "kit/foundation/ZoneRules.h"

#include <memory>
#include <string_view>
#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class BasicTimeZone;
U_NAMESPACE_END

namespace kit::foundation {

// ICU's calendars and formatters fed the machine's rules: a zone of ICU's that changes its clock
// where `rules` do, named `identifier`. Its copies share what it was built from, so a calendar
// may copy it at every step for next to nothing.
std::unique_ptr<icu::BasicTimeZone> makeIcuZone(const ZoneRules &rules,
                                                std::string_view identifier);

} // namespace kit::foundation
