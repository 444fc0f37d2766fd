#include "host/Gallery.h"
#include "host/GalleryPage.h"
#include "host/HostRun.h"
#include "support/PngPixels.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace zavel::host::testing {
namespace {

namespace fs = std::filesystem;
using test_support::readPng;

std::string contents(const fs::path &path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(HostGallery, DrawsEverySnapshotAndAnIndexInGalleryOrder) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  fs::path folder = scratch.root() / "new/gallery";
  HostResult result = runHost({"gallery", "-o", folder});
  ASSERT_EQ(result.status, 0) << result.err;

  auto tally = readPng(folder / "test.tally.png");
  auto board = readPng(folder / "test.tally.board.png");
  ASSERT_TRUE(tally && board);
  EXPECT_EQ(std::tuple(tally->width, board->width, board->height), std::tuple(340, 728, 340));

  std::string page = contents(folder / "index.html");
  auto first = page.find("<img src=\"test.tally.png\" width=\"170\" height=\"170\"");
  auto second = page.find("<img src=\"test.tally.board.png\" width=\"364\" height=\"170\"");
  ASSERT_NE(first, std::string::npos);
  ASSERT_NE(second, std::string::npos);
  EXPECT_LT(first, second);
  // Display names are shown as text, not markup.
  EXPECT_NE(page.find("Tally &amp; &lt;Count&gt;"), std::string::npos);
  EXPECT_EQ(page.find("<Count>"), std::string::npos);
}

TEST(HostGallery, FileNamesKeepOnlySafeCharacters) {
  EXPECT_EQ(snapshotFileName("zavel.weather.rain"), "zavel.weather.rain.png");
  EXPECT_EQ(snapshotFileName("../up/and away"), "_.._up_and_away.png");
  EXPECT_EQ(snapshotFileName(""), "_.png");
}

TEST(HostGallery, PageLeavesOutPicturesThatWereNotWritten) {
  std::vector<GalleryItem> items{{"a", "Shown", "", "a.png", {170, 170}, true},
                                 {"b", "Missing", "", "b.png", {170, 170}, false}};
  std::string page = galleryPage(items);
  EXPECT_NE(page.find("Shown"), std::string::npos);
  EXPECT_EQ(page.find("Missing"), std::string::npos);
}

TEST(HostGallery, FolderThatCannotBeMadeFails) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  fs::path file = scratch.write("taken", "a file");
  HostResult result = runHost({"gallery", "-o", file});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(lines(result.err).size(), 1u);
  EXPECT_EQ(contents(file), "a file");
}

} // namespace
} // namespace zavel::host::testing
