#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace bench {

// A temporary folder for one benchmark's files, removed with everything in it afterwards.
class BenchFolder {
public:
  BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zavel-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
      std::abort();
    path_ = pattern;
  }
  ~BenchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  BenchFolder(const BenchFolder &) = delete;
  BenchFolder &operator=(const BenchFolder &) = delete;

  const std::filesystem::path &path() const { return path_; }

private:
  std::filesystem::path path_;
};

} // namespace bench
