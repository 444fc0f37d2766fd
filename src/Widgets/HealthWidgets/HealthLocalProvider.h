#pragma once

#include "Widgets/Shell/LocalProvider.h"

namespace zavel {

// The one-entry provider of the ring, steps, water and habits widgets: the sample in the gallery,
// the live record in every timeline.
template <class T> using HealthLocalProvider = LocalProvider<T>;

} // namespace zavel
