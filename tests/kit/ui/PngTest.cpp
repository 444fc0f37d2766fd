#include "kit/ui/Png.h"
#include "RenderTesting.h"
#include "kit/ui/UI.h"
#include "support/PngPixels.h"
#include "support/ScratchTree.h"

#include <filesystem>

namespace kit::ui {
namespace {

using namespace testing;

TEST(Png, WritesStraightAlphaRgbaAndReportsAPlaceItCannotWrite) {
  View picture =
      HStack(VAlign::center, 0, {View(red), View(blue.opacity(0.5)), View(Color::clear)});
  Image image = draw(picture, {30, 10}, 2);
  test_support::ScratchTree scratch;
  const auto &folder = scratch.root();
  ASSERT_EQ(writePng(image, folder / "picture.png"), std::error_code());
  std::optional<test_support::PngPixels> back = test_support::readPng(folder / "picture.png");
  ASSERT_TRUE(back);
  ASSERT_EQ(std::pair(back->width, back->height), std::pair(60, 20));
  auto at = [&](int x) {
    auto p = back->at(x, 0);
    return std::vector{p.red, p.green, p.blue, p.alpha};
  };
  EXPECT_EQ(at(5), (std::vector{255, 0, 0, 255}));
  EXPECT_EQ(at(30), (std::vector{0, 0, 255, 128}));
  EXPECT_EQ(at(55)[3], 0);
  std::filesystem::create_directories(folder / "taken.png");
  EXPECT_EQ(writePng(image, folder / "taken.png"), std::errc::is_a_directory);
}

} // namespace
} // namespace kit::ui
