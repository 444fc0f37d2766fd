#include "RenderTesting.h"
#include "kit/ui/Png.h"
#include "kit/ui/UI.h"
#include "kit/ui/drawing/StaticLayerCache.h"
#include "support/Processes.h"
#include "support/ScratchTree.h"

#include <chrono>
#include <fstream>
#include <sys/stat.h>

namespace kit::ui {
namespace {

using namespace testing;
namespace fs = std::filesystem;
using drawing::StaticLayerCache;

View widget() {
  View casing = ZStack({Rectangle().fill(LinearGradient{{red, blue}}).shadow(Color::black, 2, 0, 1),
                        Circle().strokeBorder(Color::white, 3)});
  return ZStack({casing.staticLayer("files-test").padding(3.3), Text("live")});
}

// Each draw starts with nothing in memory, as a new process would, and shares the folder.
class StaticLayerFiles : public ::testing::Test {
protected:
  void SetUp() override { cache().keepOnDisk(folder()); }
  void TearDown() override {
    cache().keepOnDisk(std::nullopt);
    cache().clear();
  }
  static StaticLayerCache &cache() { return StaticLayerCache::shared(); }
  fs::path folder() const { return scratch.root() / "layers"; }

  std::vector<unsigned char> drawFresh(ColorScheme scheme = ColorScheme::light, double scale = 2) {
    cache().clear();
    LayoutContext context{fakeTextEngine(), {}, WidgetRenderingMode::fullColor, scheme};
    auto tree = layOut(widget(), {50, 40}, context);
    return encodePng(render(tree, RenderOptions{.scale = scale, .clipToWidgetOutline = false}));
  }
  std::vector<fs::path> files() const {
    std::vector<fs::path> found;
    std::error_code error;
    for (const auto &item : fs::directory_iterator(folder(), error))
      found.push_back(item.path());
    return found;
  }

  test_support::ScratchTree scratch;
};

TEST_F(StaticLayerFiles, ALaterProcessCopiesTheSavedPictureInsteadOfDrawingIt) {
  std::size_t made = cache().rasterizations();
  auto first = drawFresh();
  ASSERT_EQ(files().size(), 1u);
  auto second = drawFresh();
  EXPECT_EQ(cache().rasterizations(), made + 1);
  EXPECT_EQ(second, first);
  // Another scheme or scale is another picture.
  drawFresh(ColorScheme::dark);
  drawFresh(ColorScheme::light, 3);
  EXPECT_EQ(cache().rasterizations(), made + 3);
  EXPECT_EQ(files().size(), 3u);
}

TEST_F(StaticLayerFiles, AFileThatCannotBeReadWholeIsDrawnAgainAndReplaced) {
  auto reference = drawFresh();
  fs::path file = files().at(0);
  auto size = fs::file_size(file);
  const std::pair<const char *, std::function<void()>> damages[] = {
      {"cut short", [&] { fs::resize_file(file, size - 7); }},
      {"longer", [&] { std::ofstream(file, std::ios::app) << "x"; }},
      {"not a picture", [&] { std::ofstream(file, std::ios::trunc) << "ZLAYER1\nrubbish"; }},
      {"empty", [&] { std::ofstream(file, std::ios::trunc); }},
  };
  for (const auto &[what, damage] : damages) {
    damage();
    std::size_t made = cache().rasterizations();
    EXPECT_EQ(drawFresh(), reference) << what;
    EXPECT_EQ(cache().rasterizations(), made + 1) << what;
    EXPECT_EQ(fs::file_size(file), size) << what;
  }
}

TEST_F(StaticLayerFiles, WithoutAUsableFolderLayersAreStillDrawn) {
  auto reference = drawFresh();
  fs::remove_all(folder());
  std::ofstream(folder()) << "a file where the folder should be";
  EXPECT_EQ(drawFresh(), reference);
  EXPECT_TRUE(fs::is_regular_file(folder()));
}

TEST_F(StaticLayerFiles, TheFolderKeepsOnlyTheNewestPictures) {
  drawing::StaticLayerFiles store(folder());
  drawing::LayerPicture tiny{
      drawing::SurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1))};
  for (std::size_t i = 0; i < drawing::StaticLayerFiles::capacity + 5; ++i)
    store.save("key " + std::to_string(i), tiny);
  EXPECT_EQ(files().size(), drawing::StaticLayerFiles::capacity);
  EXPECT_TRUE(store.load("key " + std::to_string(drawing::StaticLayerFiles::capacity + 4)));
  EXPECT_FALSE(store.load("key 9999"));
}

// Temporary copies a killed process left are whole layers too: they count toward the cap, and
// the oldest files go first, copies or not.
TEST_F(StaticLayerFiles, CopiesLeftBehindCountTowardTheCap) {
  fs::create_directories(folder());
  std::vector<fs::path> copies;
  for (char i = '0'; i < '5'; ++i) {
    copies.push_back(folder() / ("." + std::string(16, i) + ".layer.Ab3xY" + i));
    std::ofstream(copies.back()) << "ZLAYER1\n";
    fs::last_write_time(copies.back(), fs::file_time_type::clock::now() - std::chrono::minutes(10));
  }
  drawing::StaticLayerFiles store(folder());
  drawing::LayerPicture tiny{
      drawing::SurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1))};
  for (std::size_t i = 0; i < drawing::StaticLayerFiles::capacity; ++i)
    store.save("key " + std::to_string(i), tiny);
  EXPECT_EQ(files().size(), drawing::StaticLayerFiles::capacity);
  for (const auto &copy : copies)
    EXPECT_FALSE(fs::exists(copy)) << copy;
}

// A FIFO at a layer's name is passed over, never waited on: the layer is drawn, and saved in its
// place.
TEST_F(StaticLayerFiles, AFifoInAFilesPlaceIsPassedOverNotWaitedOn) {
  auto reference = drawFresh();
  fs::path file = files().at(0);
  fs::remove(file);
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  EXPECT_TRUE(zavel::test::finishesWithin(std::chrono::seconds(10),
                                          [&] { return drawFresh() == reference; }));
  EXPECT_TRUE(fs::is_regular_file(file));
}

} // namespace
} // namespace kit::ui
