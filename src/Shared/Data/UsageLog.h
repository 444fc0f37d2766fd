#pragma once

#include "Shared/Data/Models/UsageSnapshot.h"
#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

// Reads the host application's screen-time log: per day ("yyyy-MM-dd" in the current locale,
// calendar and zone, as the host writes it), the seconds each app was in use.
namespace zavel::UsageLog {

inline constexpr std::string_view key = "zavel.usage.v1";

// Today's total and top three apps with the last seven days, carrying `budgetMinutes` as given;
// none when neither today nor any day of the week holds a whole minute, or the log is missing or
// unreadable.
std::optional<UsageSnapshot>
snapshot(int64_t budgetMinutes, const kit::foundation::Clock &clock = kit::foundation::Clock(),
         const std::filesystem::path &home = kit::foundation::zavelHome());

} // namespace zavel::UsageLog
