#include "FuzzSupport.h"

#include "kit/foundation/net/WebService.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace zavel::fuzz {

namespace {

std::filesystem::path makeHome() {
  std::error_code error;
  std::filesystem::path base = "/dev/shm";
  if (!std::filesystem::is_directory(base, error) || ::access(base.c_str(), W_OK) != 0)
    base = std::filesystem::temp_directory_path();
  std::string pattern = (base / "zavel-fuzz-XXXXXX").string();
  if (!::mkdtemp(pattern.data()))
    std::abort();
  return pattern;
}

// The home, removed with everything in it when the process ends.
struct Home {
  std::filesystem::path path;
  ~Home() {
    std::error_code error;
    std::filesystem::remove_all(path, error);
  }
};

} // namespace

const std::filesystem::path &fuzzingHome() {
  static const Home home{[] {
    auto made = makeHome();
    ::setenv("ZAVEL_HOME", made.c_str(), 1);
    ::setenv("TZ", "Europe/Oslo", 1);
    ::setenv("LC_ALL", "en_US.UTF-8", 1);
    using kit::foundation::WebService;
    for (auto service :
         {WebService::forecast, WebService::geocoding, WebService::airQuality, WebService::stocks})
      ::unsetenv(kit::foundation::environmentVariable(service));
    return made;
  }()};
  return home.path;
}

void require(bool holds, std::string_view what) {
  if (holds)
    return;
  std::fprintf(stderr, "fuzz finding: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

} // namespace zavel::fuzz
