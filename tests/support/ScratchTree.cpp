#include "support/ScratchTree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace test_support {

ScratchTree::ScratchTree() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zavel-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr)
    ADD_FAILURE() << "cannot make a temporary folder";
  root_ = pattern;
}

ScratchTree::~ScratchTree() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path ScratchTree::write(const std::filesystem::path &relative,
                                         std::string_view text) const {
  auto path = root_ / relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out)
    ADD_FAILURE() << "cannot write " << path;
  return path;
}

std::string fileText(const std::filesystem::path &file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path ScratchTree::folder(const std::filesystem::path &relative) const {
  auto path = root_ / relative;
  std::filesystem::create_directories(path);
  return path;
}

} // namespace test_support
