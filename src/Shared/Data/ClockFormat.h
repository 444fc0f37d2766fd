#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"
#include "kit/foundation/ZavelHome.h"

#include <filesystem>
#include <string>
#include <string_view>

// Clock and date texts for faces and time labels. Apart from the 12/24-hour choice every text is
// English with Western digits, whatever the user's locale, in the zone the caller passes. The
// preference is read afresh on every call, so a change shows in the next render; formatters are
// kept per pattern, zone and locale.
namespace zavel::ClockFormat {

// The suite key of the host application's 12/24-hour choice: 12 or 24; anything else follows the
// locale.
inline constexpr std::string_view timeFormatKey = "zavel.timeformat";

// Whether clocks show 24-hour time.
bool uses24Hour(const std::filesystem::path &home = kit::foundation::zavelHome());

// "HH:mm", or "hh:mm" (01 to 12, no AM/PM marker) for 12-hour clocks.
std::string hhmm(kit::foundation::Date date, const kit::foundation::TimeZone &zone,
                 const std::filesystem::path &home = kit::foundation::zavelHome());
// The same with the choice already read, for a caller formatting many times at once.
std::string hhmm(kit::foundation::Date date, const kit::foundation::TimeZone &zone,
                 bool twentyFourHour);

// The hour ("HH" or "hh") and the minute ("mm") as separate texts.
struct Parts {
  std::string hh;
  std::string mm;
  bool operator==(const Parts &) const = default;
};
Parts parts(kit::foundation::Date date, const kit::foundation::TimeZone &zone,
            const std::filesystem::path &home = kit::foundation::zavelHome());

// The date by a fixed pattern ("EEE d MMM", "EEEE d MMMM").
std::string formatted(std::string_view pattern, kit::foundation::Date date,
                      const kit::foundation::TimeZone &zone);

// The zone's offset at the date: "GMT+0", "GMT+5:30", "GMT-0:30"; seconds beyond whole minutes
// are dropped.
std::string gmtLabel(const kit::foundation::TimeZone &zone, kit::foundation::Date date);

// Three letters for the zone's city: "LDN" for Europe/London, "KOL" for Asia/Kolkata.
std::string cityCode(const kit::foundation::TimeZone &zone);

} // namespace zavel::ClockFormat
