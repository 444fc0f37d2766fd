#include "host/Gallery.h"
#include "host/GalleryPage.h"
#include "host/HostRun.h"
#include "kit/foundation/JsonCoding.h"
#include "support/PngPixels.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace zavel::host::testing {
namespace {

namespace fs = std::filesystem;
using kit::foundation::Json;

TEST(HostGallery, DrawsEverySnapshotAndAnIndexInGalleryOrder) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  fs::path folder = scratch.root() / "new/gallery";
  HostResult result = runHost({"gallery", "-o", folder});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(test_support::readPng(folder / "test.tally.board.png")->width, 728);
  std::string page = fileText(folder / "index.html");
  auto first = page.find("<img src=\"test.tally.png\" width=\"170\" height=\"170\"");
  auto second = page.find("<img src=\"test.tally.board.png\" width=\"364\" height=\"170\"");
  EXPECT_TRUE(first < second && second != std::string::npos) << page;
  // Display names are shown as text, not markup.
  EXPECT_NE(page.find("Tally &amp; &lt;Count&gt;"), std::string::npos);
  EXPECT_EQ(page.find("<Count>"), std::string::npos);
}

TEST(HostGallery, FileNamesKeepOnlySafeCharactersAndThePageOnlyWrittenPictures) {
  EXPECT_EQ(snapshotFileName("zavel.weather.rain"), "zavel.weather.rain.png");
  EXPECT_EQ(snapshotFileName("../up/and away"), "_.._up_and_away.png");
  EXPECT_EQ(snapshotFileName(""), "_.png");
  std::string page =
      galleryPage({{"", "a", "Shown", "", "a.png", {170, 170}, true, ""},
                   {"", "b", "Missing", "", "b.png", {170, 170}, false, "cannot draw b"}});
  EXPECT_NE(page.find("Shown"), std::string::npos);
  EXPECT_EQ(page.find("Missing"), std::string::npos);
}

TEST(HostGallery, PicturesStandUnderTheHeadingOfTheirGroupInOrder) {
  auto item = [](std::string section, std::string kind, bool written = true) {
    return GalleryItem{std::move(section), kind, kind, "", kind + ".png", {170, 170}, written, ""};
  };
  std::string page = galleryPage({item("Clocks", "c1"), item("Clocks", "c2"),
                                  item("Weather & Sky", "w1"), item("Empty", "e1", false)});
  auto at = [&](std::string_view text) { return page.find(text); };
  EXPECT_LT(at("<h2>Clocks</h2>"), at("c1.png"));
  EXPECT_LT(at("c2.png"), at("<h2>Weather &amp; Sky</h2>"));
  EXPECT_LT(at("<h2>Weather &amp; Sky</h2>"), at("w1.png"));
  EXPECT_EQ(page.find("<h2>Clocks</h2>", at("<h2>Clocks</h2>") + 1), std::string::npos);
  // A group none of whose pictures was drawn gets no heading.
  EXPECT_EQ(at("Empty"), std::string::npos);
}

TEST(HostOutput, OutputsThatCannotBeWrittenFailWithOneLine) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  std::string file = scratch.write("taken", "a file"), folder = scratch.folder("folder");
  std::string png = scratch.root() / "tally.png", lost = scratch.root() / "no/such/tree.json";
  const std::vector<std::pair<std::vector<std::string>, std::string>> failing{
      {{"render", "test.tally", "-o", folder}, "it is a folder"},
      {{"render", "test.tally", "-o", png, "--tree", folder}, "it is a folder"},
      {{"render", "test.tally", "-o", png, "--tree", lost}, "No such file or directory"},
      {{"gallery", "-o", file}, "cannot make the folder"},
  };
  for (const auto &[words, reason] : failing) {
    HostResult result = runHost(words);
    EXPECT_EQ(std::pair(result.status, lines(result.err).size()), std::pair(1, std::size_t{1}))
        << words[0];
    EXPECT_NE(result.err.find(reason), std::string::npos) << result.err;
  }
  EXPECT_EQ(fileText(file), "a file");
  EXPECT_TRUE(fs::is_empty(folder));
  EXPECT_FALSE(fs::exists(scratch.root() / "no"));
}

TEST(Executable, QueriesAndListsTheExtensionAndRefusesWithTwo) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  EXPECT_EQ(Json::parse(runExecutable({"query", "TimeZoneEntity", "KOLK"}).out),
            Json::parse(R"([{"id": "Asia/Kolkata", "title": "Kolkata"}])"));
  expectRefusal(runExecutable({"render", "zavel.nothing"}), {"render", "zavel.nothing"});
  EXPECT_EQ(Json::parse(runExecutable({"list", "--json"}).out).size(), 56u);
}

} // namespace
} // namespace zavel::host::testing
