#include "kit/foundation/Resources.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

struct ShippedFace {
  const char *file;
  const char *postScriptName;
};

// The converted faces setup brings, with the names fontconfig must read from them.
constexpr ShippedFace kShippedFaces[] = {
    {"IBMPlexMono-Regular.ttf", "IBMPlexMono-Regular"},
    {"IBMPlexMono-Medium.ttf", "IBMPlexMono-Medium"},
    {"IBMPlexMono-SemiBold.ttf", "IBMPlexMono-SemiBold"},
    {"IBMPlexMono-Bold.ttf", "IBMPlexMono-Bold"},
    {"Doto-SemiBold.ttf", "DotoBlack-SemiBold"},
    {"Doto-Bold.ttf", "DotoBlack-Bold"},
    {"Orbitron-Regular.ttf", "Orbitron-Regular"},
    {"Orbitron-Medium.ttf", "Orbitron-Medium"},
    {"Gruppo-Regular.ttf", "Gruppo-Regular"},
};

std::string postScriptNameOf(const std::filesystem::path &file) {
  int count = 0;
  FcPattern *pattern =
      FcFreeTypeQuery(reinterpret_cast<const FcChar8 *>(file.c_str()), 0, nullptr, &count);
  if (!pattern)
    return {};
  FcChar8 *name = nullptr;
  std::string result;
  if (FcPatternGetString(pattern, FC_POSTSCRIPT_NAME, 0, &name) == FcResultMatch)
    result = reinterpret_cast<const char *>(name);
  FcPatternDestroy(pattern);
  return result;
}

} // namespace

TEST(Resources, EveryShippedFaceIsPresentAndReadableByFontconfig) {
  for (const auto &face : kShippedFaces) {
    auto path = kit::foundation::resourcePath(std::filesystem::path("fonts") / face.file);
    SCOPED_TRACE(path.string());
    ASSERT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_EQ(postScriptNameOf(path), face.postScriptName);
  }
}

TEST(Resources, EnvironmentOverridesTheFolderBesideTheExecutable) {
  const char *saved = std::getenv("ZAVEL_RESOURCES");
  std::string restore = saved ? saved : "";
  setenv("ZAVEL_RESOURCES", "/tmp/elsewhere", 1);
  EXPECT_EQ(kit::foundation::resourcesDirectory(), "/tmp/elsewhere");
  unsetenv("ZAVEL_RESOURCES");
  EXPECT_EQ(kit::foundation::resourcesDirectory().filename(), "resources");
  EXPECT_TRUE(kit::foundation::resourcesDirectory().parent_path() != "");
  if (saved)
    setenv("ZAVEL_RESOURCES", restore.c_str(), 1);
}
