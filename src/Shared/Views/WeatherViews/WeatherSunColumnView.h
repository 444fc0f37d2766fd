#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Clock.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"
#include "kit/ui/View.h"

#include <optional>
#include <string>

namespace zavel {

// The large Sun Column face: sky art, a giant temperature, the sky in words, the felt
// temperature, and today's sunset with the sun on its arc at the entry's `date`. The sun times
// are worked out for the clock's day at the moment of rendering, from the snapshot's
// coordinates.
struct WeatherSunColumnView {
  kit::foundation::Date date;
  WeatherSnapshot data;
  ZCtx ctx;
  kit::foundation::Clock clock = {};

  kit::ui::View body() const;

  // The sunset's time in `zone` and how far along the arc from sunrise to sunset the sun stands
  // at `date`, kept within 0.05...0.95; "21:04" at 0.34 without either event, and the sunset's
  // time at 0.34 when it does not come after the sunrise.
  struct SunPlace {
    std::string label;
    double t = 0;
    bool operator==(const SunPlace &) const = default;
  };
  static SunPlace sunPlace(std::optional<kit::foundation::Date> sunrise,
                           std::optional<kit::foundation::Date> sunset, kit::foundation::Date date,
                           const kit::foundation::TimeZone &zone);
};

} // namespace zavel
