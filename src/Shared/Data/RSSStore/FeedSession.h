#pragma once

#include "kit/foundation/net/HttpSession.h"

namespace zavel::RSSStore {

// How one feed is fetched: a plain GET that gives up after 10 seconds without data, 30 seconds
// in all, or a body over 5 MiB, so one bad feed cannot hold or swamp a refresh.
const kit::foundation::HttpSession &feedSession();

} // namespace zavel::RSSStore
