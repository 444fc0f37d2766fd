#pragma once

#include "host/ActionReport.h"
#include "host/BackgroundWait.h"
#include "kit/foundation/ZavelHome.h"

#include <filesystem>
#include <functional>

namespace zavel::host {

// Runs `action` and reports what it and the background work it started (awaited through
// `wait`) did: the kinds asked to reload (each once, in the order first asked), the notifications
// posted, and what this process wrote that reached a file: suite keys written or removed in a
// suite file (in the order first written; what only the store in memory kept is left out), then
// the files it replaced whole, in name order: those of the app group's container by their name
// there ("notes.json", a link by its own name wherever it points), others below `home` from there
// ("calendars/Home/call.ics"), any other by its full path. The writes that failed, a key kept
// only in memory included, are listed apart, each once, keys then files named the same way.
// What `action` throws passes through, nothing reported.
ActionReport recordAction(const std::function<void()> &action, BackgroundWait &wait,
                          const std::filesystem::path &home = kit::foundation::zavelHome());

// CommandFailure naming the first write that failed (and how many more did), when any did: the
// host's exit status then tells that not everything was done.
void requireEveryWrite(const ActionReport &report);

} // namespace zavel::host
