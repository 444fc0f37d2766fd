#include "Shared/Data/Models/EventItem.h"

#include "kit/foundation/Saturating.h"
#include "kit/foundation/TextOperations.h"

#include <fmt/format.h>

namespace zavel {

using kit::foundation::wholeTruncated;

namespace {
constexpr size_t kLocationCharacters = 24;
}

std::string EventItem::detailText(bool ended, kit::foundation::Date start,
                                  kit::foundation::Date end, std::string_view location) {
  if (ended)
    return "Done";
  auto minutes = wholeTruncated(end.timeIntervalSince(start) / 60);
  if (location.empty())
    return fmt::format("{} min", minutes);
  return fmt::format("{} · {} min",
                     kit::foundation::prefixCharacters(location, kLocationCharacters), minutes);
}

const std::vector<EventItem> &EventItem::samples() {
  static const std::vector<EventItem> events = {
      {"1", "09:30", std::nullopt, "Standup · widgets team", "Done", true, false},
      {"2", "14:00", "14:45", "Design review · Zavel 1.2", "Studio B · 45 min", false, false},
      {"3", "17:00", "17:30", "Press kit call with Ines", "FaceTime · 30 min", false, true},
  };
  return events;
}

} // namespace zavel
