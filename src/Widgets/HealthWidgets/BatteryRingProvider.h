#pragma once

#include "Shared/Data/Models/PowerSnapshot.h"
#include "Widgets/HealthWidgets/HealthEnvironment.h"
#include "Widgets/Shell/LocalProvider.h"

namespace zavel {

using BatteryRingEntry = ZavelEntry<PowerSnapshot>;

// The ring's timeline: the machine's power state when asked (which also advances the power
// log), read again a quarter of an hour later; the sample power state in the gallery.
LocalProvider<PowerSnapshot> BatteryRingProvider(const HealthEnvironment &environment = {});

} // namespace zavel
