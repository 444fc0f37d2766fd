#pragma once

#include "kit/widgets/WidgetBundle.h"

#include <string>
#include <vector>

namespace zavel::host::testing {

// What one run of the host printed and returned.
struct HostResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the host in this process on `bundle` (the test bundle unless given).
HostResult runHost(const std::vector<std::string> &words);
HostResult runHost(const std::vector<std::string> &words, const kit::widgets::WidgetBundle &bundle);

// Runs the built zavel-widgets program with `words` in the current environment (the test's
// ZAVEL_HOME), with TZ and LANG fixed, and waits for it.
HostResult runExecutable(const std::vector<std::string> &words);

// The printed lines, without their line breaks.
std::vector<std::string> lines(const std::string &text);

} // namespace zavel::host::testing
