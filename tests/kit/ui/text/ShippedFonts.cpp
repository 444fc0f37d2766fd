#include "ShippedFonts.h"

#include "kit/foundation/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kit::ui::testing {

std::filesystem::path shippedFont(const std::string &fileName) {
  return foundation::resourcePath("fonts") / fileName;
}

std::vector<std::filesystem::path> shippedFontFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto &entry : std::filesystem::directory_iterator(foundation::resourcePath("fonts")))
    if (entry.path().extension() == ".ttf")
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

void registerShippedFonts() {
  static FontRegistry registry;
  const auto &registered = registry.registerOnce(shippedFontFiles(), {dotoAlias});
  ASSERT_EQ(registered.size(), 9u) << "the build copies the nine shipped faces";
}

} // namespace kit::ui::testing
