#pragma once

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/foundation/net/WebService.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zavel {

// Where a web source keeps its cache, when "now" is, and where its service is; tests replace any
// of them.
template <kit::foundation::WebService Service> struct ServiceEnvironment {
  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};
  // None: every request fails at once and the cache answers.
  std::optional<std::string> address = kit::foundation::serviceAddress(Service);
};

} // namespace zavel
