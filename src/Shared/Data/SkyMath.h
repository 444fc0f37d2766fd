#pragma once

#include "Shared/Data/ExtraModels/DaylightInfo.h"
#include "Shared/Data/ExtraModels/MoonInfo.h"
#include "kit/foundation/Date.h"

#include <optional>
#include <string>

// Sunrise, sunset and the moon's phase, worked out on the device from the date and the place
// alone. Nothing is kept and nothing is read, so every function may run on any thread.
namespace zavel::SkyMath {

// The sunrise (`rise`) or the sunset of the local day that `date` falls on at the place, to the
// whole minute (seconds dropped). The local day is the one seen by the sun at the place's
// longitude, so a place far west or east of Greenwich gets the sunrise and the sunset of one and
// the same day, the sunset after the sunrise. Latitude is positive north, longitude positive east,
// in degrees. None when the sun stays up or down all that day, or when a coordinate is not a
// finite number or the latitude lies beyond a pole.
std::optional<kit::foundation::Date> solarEvent(bool rise, kit::foundation::Date date,
                                                double latitude, double longitude);

struct SunTimes {
  kit::foundation::Date sunrise;
  kit::foundation::Date sunset;
  bool operator==(const SunTimes &) const = default;
};

// Both sun events of the local day that `date` falls on, the sunset asked for only when there is
// a sunrise. None when either is missing or the sunset does not come after the sunrise.
std::optional<SunTimes> sunTimes(kit::foundation::Date date, double latitude, double longitude);

// The day at the named place for the local day of `date`, or the built-in sample when the sun
// does not both rise and set there that day. The zone is left for the caller to fill in.
DaylightInfo daylight(const std::string &place, kit::foundation::Date date, double latitude,
                      double longitude);

// The moon at an instant, by the mean length of its month from a known new moon; instants before
// that new moon count back in whole months.
MoonInfo moon(kit::foundation::Date date);

// The moon at a share of its month since the last new moon: 0 is new, 0.5 full. Shares outside
// 0...1 wrap around; a share that is not finite counts as a new moon.
MoonInfo moonAtFraction(double fraction);

} // namespace zavel::SkyMath
