#pragma once

#include "support/ScopedEnvironment.h"

#include <filesystem>

namespace zavel::test {

// A fresh, empty ZAVEL_HOME for one test: a temporary folder, set in the environment while the
// object lives and removed with everything in it afterwards.
class TempHome {
public:
  TempHome();
  ~TempHome();
  TempHome(const TempHome &) = delete;
  TempHome &operator=(const TempHome &) = delete;

  const std::filesystem::path &path() const { return path_; }
  // Where the store named `name` keeps its database.
  std::filesystem::path suiteFile(const std::string &name) const;

private:
  std::filesystem::path path_;
  ScopedEnvironment environment_;
};

} // namespace zavel::test
