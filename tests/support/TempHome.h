#pragma once

#include "support/ScopedEnvironment.h"
#include "support/ScratchTree.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zavel::test {

// A fresh, empty ZAVEL_HOME for one test: a temporary folder, set in the environment while the
// object lives and removed with everything in it afterwards.
class TempHome {
public:
  TempHome() : environment_({{"ZAVEL_HOME", folder_.root().string()}}) {}

  const std::filesystem::path &path() const { return folder_.root(); }
  // Where the store named `name` keeps its database.
  std::filesystem::path suiteFile(const std::string &name) const {
    return path() / "suites" / (name + ".sqlite3");
  }
  // A folder in place of each named store's database, so that none of them can be opened.
  void blockSuites(const std::vector<std::string> &names) const {
    for (const auto &name : names)
      std::filesystem::create_directories(suiteFile(name));
  }

private:
  test_support::ScratchTree folder_;
  ScopedEnvironment environment_;
};

} // namespace zavel::test
