#pragma once

#include "host/ActionReport.h"
#include "host/BackgroundWait.h"
#include "kit/foundation/ZavelHome.h"

#include <filesystem>
#include <functional>

namespace zavel::host {

// Runs `action` and reports what it and the background work it started (awaited through
// `wait`) did: the kinds asked to reload, the notifications posted, and what was written below
// `home`: suite keys (in the order first written or removed), then files in name order, those
// of the app group's container by their name there ("notes.json"), others from `home`
// ("calendars/Home/call.ics"). What `action` throws passes through, nothing reported.
ActionReport recordAction(const std::function<void()> &action, BackgroundWait &wait,
                          const std::filesystem::path &home = kit::foundation::zavelHome());

} // namespace zavel::host
