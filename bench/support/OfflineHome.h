#pragma once

#include "support/BenchFolder.h"

#include "kit/foundation/MemoryPolicy.h"

#include <cstdlib>

namespace bench {

// A process that draws picture after picture as the gallery does (freed memory kept for reuse),
// whose widgets read an empty data home inside a temporary folder and reach no web service: every
// widget takes its offline path, the same at every run.
class OfflineHome {
public:
  OfflineHome() {
    kit::foundation::keepFreedMemoryForReuse();
    setenv("ZAVEL_HOME", (folder_.path() / "home").c_str(), 1);
    for (const char *service :
         {"ZAVEL_FORECAST_URL", "ZAVEL_GEOCODING_URL", "ZAVEL_AIR_QUALITY_URL", "ZAVEL_STOCKS_URL"})
      unsetenv(service);
  }
  // A folder for whatever the benchmark writes, beside the home.
  const std::filesystem::path &folder() const { return folder_.path(); }

private:
  BenchFolder folder_;
};

} // namespace bench
