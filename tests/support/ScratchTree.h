#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace test_support {

// A private temporary folder for one test, removed with everything in it at the end. Tests build
// fake /proc and /sys trees, homes and calendar folders in it.
class ScratchTree {
public:
  ScratchTree();
  ~ScratchTree();
  ScratchTree(const ScratchTree &) = delete;
  ScratchTree &operator=(const ScratchTree &) = delete;

  const std::filesystem::path &root() const { return root_; }

  // Writes a file below the root, making the folders on its way; returns its full path.
  std::filesystem::path write(const std::filesystem::path &relative, std::string_view text) const;
  // Makes a folder below the root (and those on its way); returns its full path.
  std::filesystem::path folder(const std::filesystem::path &relative) const;

private:
  std::filesystem::path root_;
};

// The whole contents of a file, byte for byte; empty when it cannot be read.
std::string fileText(const std::filesystem::path &file);

} // namespace test_support
