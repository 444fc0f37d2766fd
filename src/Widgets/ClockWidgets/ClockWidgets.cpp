#include "Widgets/ClockWidgets/ClockWidgets.h"

#include "Shared/Views/ClockViews/ClockColumnView.h"
#include "Shared/Views/ClockViews/ClockDigitalOrbView.h"
#include "Shared/Views/ClockViews/ClockDualView.h"
#include "Shared/Views/ClockViews/ClockHorizonView.h"
#include "Shared/Views/ClockViews/ClockNumeralDialView.h"
#include "Shared/Views/ClockViews/ClockOrbView.h"
#include "Shared/Views/ClockViews/ClockStackedView.h"
#include "Shared/Views/ClockViews/ClockWorldStripView.h"
#include "Widgets/ClockWidgets/DualClockZones.h"

#include <vector>

namespace zavel {

namespace {

// The face of a single-zone clock, drawn in the configured city's zone as it resolves now.
template <class Face> EntryFace<ClockEntry> singleZoneFace() {
  return [](const ClockEntry &entry, const ZCtx &ctx) {
    return Face{entry.date, entry.data.timeZone(), ctx}.body();
  };
}

} // namespace

ZavelWidget<ClockProvider> ClockOrbWidget() {
  return {
      .typeName = "ClockOrbWidget",
      .kind = "zavel.clock.orb",
      .size = ZavelSize::s,
      .face =
          [](const ClockEntry &entry, const ZCtx &ctx) {
            return ClockOrbView{entry.date, entry.data.timeZone(), std::nullopt, ctx}.body();
          },
      .name = "Analog Orb",
      .description = "An analog dial with hardware hands.",
  };
}

ZavelWidget<ClockProvider> ClockDigitalOrbWidget() {
  return {
      .typeName = "ClockDigitalOrbWidget",
      .kind = "zavel.clock.orbDigital",
      .size = ZavelSize::s,
      .face = singleZoneFace<ClockDigitalOrbView>(),
      .name = "Digital Orb",
      .description = "Time ringed in a hairline orb.",
  };
}

ZavelWidget<ClockProvider> ClockHorizonWidget() {
  return {
      .typeName = "ClockHorizonWidget",
      .kind = "zavel.clock.horizon",
      .size = ZavelSize::m,
      .face = singleZoneFace<ClockHorizonView>(),
      .name = "Horizon",
      .description = "Big firmware time with the date.",
  };
}

ZavelWidget<ClockProvider> ClockStackedWidget() {
  return {
      .typeName = "ClockStackedWidget",
      .kind = "zavel.clock.stacked",
      .size = ZavelSize::s,
      .face = singleZoneFace<ClockStackedView>(),
      .name = "Stacked",
      .description = "Hours over dimmed minutes.",
  };
}

ZavelWidget<WorldClockProvider> ClockWorldStripWidget() {
  return {
      .typeName = "ClockWorldStripWidget",
      .kind = "zavel.clock.worldStrip",
      .size = ZavelSize::m,
      .face =
          [](const WorldClockEntry &entry, const ZCtx &ctx) {
            auto zones = entry.data.zones();
            return ClockWorldStripView{entry.date, {zones.begin(), zones.end()}, ctx}.body();
          },
      .name = "World Strip",
      .description = "Three cities across one screen.",
  };
}

ZavelWidget<ClockProvider> ClockNumeralDialWidget() {
  return {
      .typeName = "ClockNumeralDialWidget",
      .kind = "zavel.clock.dial",
      .size = ZavelSize::s,
      .face = singleZoneFace<ClockNumeralDialView>(),
      .name = "Numeral Dial",
      .description = "Quiet numerals, two hands.",
  };
}

ZavelWidget<ClockProvider> ClockColumnWidget() {
  return {
      .typeName = "ClockColumnWidget",
      .kind = "zavel.clock.column",
      .size = ZavelSize::l,
      .face = singleZoneFace<ClockColumnView>(),
      .name = "Column",
      .description = "Giant hours over accent minutes.",
  };
}

ZavelWidget<DualClockProvider> ClockDualWidget() {
  return {
      .typeName = "ClockDualWidget",
      .kind = "zavel.clock.dual",
      .size = ZavelSize::m,
      .face =
          [](const DualClockEntry &entry, const ZCtx &ctx) {
            DualClockZones zones = dualClockZones(entry.data);
            return ClockDualView{entry.date,     zones.homeZone, zones.awayZone,
                                 zones.homeName, zones.awayName, ctx}
                .body();
          },
      .name = "Dual Time",
      .description = "Home and away on a split screen.",
  };
}

} // namespace zavel
