#pragma once

#include "Shared/Data/WidgetIntents/TimeZoneQuery.h"

#include "kit/foundation/TimeZone.h"
#include "kit/intents/AppEntity.h"

#include <string>
#include <string_view>

namespace zavel {

// A city a clock shows: one IANA zone identifier ("Europe/London"), titled by its city part.
struct TimeZoneEntity {
  static constexpr std::string_view typeName = "TimeZoneEntity";
  static constexpr std::string_view typeDisplayRepresentation = "City";
  using DefaultQuery = TimeZoneQuery;

  std::string id;

  // The identifier's last piece with blanks for underscores: "America/Argentina/Buenos_Aires"
  // is "Buenos Aires"; an identifier with no piece between slashes is its own name.
  static std::string cityName(std::string_view identifier);

  kit::intents::DisplayRepresentation displayRepresentation() const;

  // The zone the identifier names; `fallback` when the system knows no such zone.
  kit::foundation::TimeZone timeZone(const kit::foundation::TimeZone &fallback) const;

  // Whether the system knows the zone the identifier names.
  bool isKnown() const { return kit::foundation::TimeZone::named(id).has_value(); }

  bool operator==(const TimeZoneEntity &) const = default;
};

static_assert(kit::intents::AppEntity<TimeZoneEntity>);

} // namespace zavel
