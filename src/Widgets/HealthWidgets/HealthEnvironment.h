#pragma once

#include "Shared/Data/PowerSource/PowerSource.h"

namespace zavel {

// Where the health widgets read their state (the /sys root, the app group, the clock): the
// battery's own sources, as the ring reads them; tests replace any of it.
using HealthEnvironment = PowerSource::Environment;

} // namespace zavel
