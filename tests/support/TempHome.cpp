#include "support/TempHome.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace zavel::test {

namespace {

std::filesystem::path makeTemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zavel-home-XXXXXX").string();
  if (!mkdtemp(pattern.data()))
    throw std::runtime_error("cannot create a temporary folder");
  return pattern;
}

} // namespace

TempHome::TempHome()
    : path_(makeTemporaryFolder()), environment_({{"ZAVEL_HOME", path_.string()}}) {}

TempHome::~TempHome() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

std::filesystem::path TempHome::suiteFile(const std::string &name) const {
  return path_ / "suites" / (name + ".sqlite3");
}

} // namespace zavel::test
