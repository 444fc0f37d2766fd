#pragma once

#include "kit/widgets/WidgetBundle.h"

#include <ostream>
#include <span>
#include <string>

namespace zavel::host {

// How a command ended: 0 done, 1 failed (nothing to show, a file that cannot be written), 2 a
// bad command line (one line on `err`, nothing written).
enum ExitStatus : int { success = 0, failure = 1, badInput = 2 };

// Runs one command of the host tool (the words after the program's name) on the widgets and
// intents of `bundle`, printing results on `out` and problems on `err`. Background work that is
// still running when it returns is the caller's to wait for before the process ends.
int run(std::span<const std::string> words, const kit::widgets::WidgetBundle &bundle,
        std::ostream &out, std::ostream &err);

} // namespace zavel::host
