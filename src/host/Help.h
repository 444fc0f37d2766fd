#pragma once

#include "kit/intents/IntentRegistry.h"

#include <ostream>
#include <span>
#include <string_view>

namespace zavel::host {

// One command as help shows it: its arguments, and what it does.
struct CommandHelp {
  std::string_view usage;
  std::string_view what;
};

// Each command's arguments, then what the names in them take: the kinds, the configuration and
// its casing values, the points a press takes, the intents `perform` and the entities `query`
// take (from `intents`, so the list never goes stale), and the exit statuses.
void printHelp(std::ostream &out, std::span<const CommandHelp> commands,
               const kit::intents::IntentRegistry &intents);

} // namespace zavel::host
