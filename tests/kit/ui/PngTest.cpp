#include "kit/ui/Png.h"
#include "RenderTesting.h"
#include "kit/ui/UI.h"
#include "support/ScratchTree.h"

#include <filesystem>
#include <png.h>

namespace kit::ui {
namespace {

using namespace testing;

struct Decoded {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgba;
};

Decoded decode(const std::vector<std::uint8_t> &bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  Decoded out;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
    return out;
  image.format = PNG_FORMAT_RGBA;
  out.rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr))
    return {};
  out.width = int(image.width);
  out.height = int(image.height);
  return out;
}

TEST(Png, EncodesStraightAlphaRgbaThatReadsBack) {
  View picture =
      HStack(VAlign::center, 0, {View(red), View(blue.opacity(0.5)), View(Color::clear)});
  Image image = draw(picture, {30, 10}, 2);
  std::vector<std::uint8_t> bytes = encodePng(image);
  Decoded back = decode(bytes);
  ASSERT_EQ(std::pair(back.width, back.height), std::pair(60, 20));
  auto at = [&](int x) {
    return std::vector(&back.rgba[std::size_t(4 * x)], &back.rgba[std::size_t(4 * x + 4)]);
  };
  EXPECT_EQ(at(5), (std::vector<std::uint8_t>{255, 0, 0, 255}));
  EXPECT_EQ(at(30), (std::vector<std::uint8_t>{0, 0, 255, 128}));
  EXPECT_EQ(at(55)[3], 0);
}

TEST(Png, WritesAFileAndReportsAPlaceItCannotWrite) {
  Image image = draw(View(red), {4, 4});
  test_support::ScratchTree scratch;
  const auto &folder = scratch.root();
  EXPECT_TRUE(writePng(image, folder / "red.png"));
  EXPECT_GT(std::filesystem::file_size(folder / "red.png"), 8u);
  std::filesystem::create_directories(folder / "taken.png");
  EXPECT_FALSE(writePng(image, folder / "taken.png"));
}

} // namespace
} // namespace kit::ui
