#pragma once

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"

#include <filesystem>

namespace zavel {

// Where shared state is read and written (the app group: its suite, container and calendars) and
// what "now" is; tests replace either.
struct Environment {
  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};
};

} // namespace zavel
