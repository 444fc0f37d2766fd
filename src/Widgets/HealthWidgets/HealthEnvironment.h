#pragma once

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"

#include <filesystem>

namespace zavel {

// Where the health widgets read their state; tests replace any of it.
struct HealthEnvironment {
  // The root under which /sys is read.
  std::filesystem::path root = "/";
  // The app group holding the shared suite.
  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};
};

} // namespace zavel
