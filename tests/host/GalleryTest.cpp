#include "host/Gallery.h"
#include "host/GalleryPage.h"
#include "host/HostRun.h"
#include "support/PngPixels.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace zavel::host::testing {
namespace {

namespace fs = std::filesystem;
using test_support::PngPixels;
using test_support::readPng;

TEST(HostGallery, DrawsEverySnapshotAndAnIndexInGalleryOrder) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  fs::path folder = scratch.root() / "new/gallery";
  HostResult result = runHost({"gallery", "-o", folder});
  ASSERT_EQ(result.status, 0) << result.err;

  EXPECT_EQ(readPng(folder / "test.tally.board.png")->width, 728);
  std::string page = fileText(folder / "index.html");
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

TEST(HostOutput, OutputsThatCannotBeWrittenFailWithOneLine) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  std::string file = scratch.write("taken", "a file"), folder = scratch.folder("folder");
  for (const std::vector<std::string> &words :
       {std::vector<std::string>{"render", "test.tally", "-o", folder}, {"gallery", "-o", file}}) {
    HostResult result = runHost(words);
    EXPECT_EQ(result.status, 1) << words[0];
    EXPECT_EQ(lines(result.err).size(), 1u) << words[0];
  }
  EXPECT_EQ(fileText(file), "a file");
}

} // namespace
} // namespace zavel::host::testing
