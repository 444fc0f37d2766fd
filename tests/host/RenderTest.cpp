#include "host/HostRun.h"
#include "host/TestBundle.h"
#include "kit/foundation/JsonCoding.h"
#include "support/PngPixels.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Theme/ThemeStore.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace zavel::host::testing {
namespace {

using kit::foundation::Json;
namespace fs = std::filesystem;
using test_support::PngPixels;

class HostRender : public ::testing::Test {
protected:
  fs::path out(const std::string &name) const { return scratch.root() / name; }

  // Renders with `options` to out.png and reads it back.
  PngPixels rendered(const std::string &kind, std::vector<std::string> options = {}) {
    std::vector<std::string> words{"render", kind, "-o", out("out.png")};
    words.insert(words.end(), options.begin(), options.end());
    HostResult result = runHost(words);
    auto png = test_support::readPng(out("out.png"));
    EXPECT_TRUE(result.status == 0 && png) << result.err;
    return png.value_or(PngPixels{});
  }

  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
};

// The one node of the tree dump that has `member`.
Json only(const Json &tree, const std::string &member) {
  std::vector<Json> matching;
  auto visit = [&](const Json &node, auto &self) -> void {
    if (node.contains(member))
      matching.push_back(node);
    for (const Json &child : node.value("children", Json::array()))
      self(child, self);
  };
  visit(tree["root"], visit);
  EXPECT_EQ(matching.size(), 1u) << member;
  return matching.empty() ? Json() : matching[0];
}

void expectColor(PngPixels::Pixel pixel, kit::ui::Color color, const std::string &where) {
  EXPECT_LE(
      std::max({std::abs(pixel.red - color.red * 255), std::abs(pixel.green - color.green * 255),
                std::abs(pixel.blue - color.blue * 255), 3.0 * (255 - pixel.alpha)}),
      2)
      << where;
}

TEST_F(HostRender, DrawsAtTheScaleAndSizeTransparentOutsideTheRoundedOutline) {
  PngPixels png = rendered("test.tally");
  ASSERT_EQ(std::pair(png.width, png.height), std::pair(340, 340));
  // Corners of the outline are clear; the edges between them and the inside are the fill.
  EXPECT_EQ(png.at(6, 6).alpha, 0);
  expectColor(png.at(170, 0), kTallyFill, "edge");
  // The key at its place.
  expectColor(png.at(90, 90), kit::ui::Color::white, "key");

  PngPixels sized = rendered("test.tally", {"--size", "200x100", "--scale", "1.5"});
  EXPECT_EQ(std::pair(sized.width, sized.height), std::pair(300, 150));
  // The bounds themselves: 4096 × 4096 pixels, and one pixel on a side.
  PngPixels largest = rendered("test.tally", {"--size", "2048x2048"});
  EXPECT_EQ(std::pair(largest.width, largest.height), std::pair(4096, 4096));
  PngPixels thinnest = rendered("test.tally", {"--size", "0.5x100"});
  EXPECT_EQ(std::pair(thinnest.width, thinnest.height), std::pair(1, 200));
}

TEST_F(HostRender, TreeShowsTheChosenEntryWithItsKeyAndLink) {
  ASSERT_TRUE(SharedSuite::open().set(kCountKey, int64_t(7)));
  rendered("test.tally",
           {"--entry", "2", "--config", R"({"step": 3})", "--tree", out("tree.json")});
  Json tree = Json::parse(fileText(out("tree.json")));
  EXPECT_EQ(tree["widgetURL"], kWidgetURL);
  EXPECT_EQ(only(tree, "text")["text"], "Cups #2 7");
  Json key = only(tree, "intent");
  EXPECT_EQ(key["intent"], Json::parse(R"({"type": "TallyIntent", "params": {"step": 3}})"));
  EXPECT_EQ(key["frame"], Json::parse("[20, 20, 50, 50]"));
  EXPECT_EQ(only(tree, "url")["url"], kLinkURL);
}

TEST_F(HostRender, AccentedModeTintsAccentablePartsWithTheThemeAccentAndTheRestWhite) {
  ASSERT_TRUE(SharedSuite::writeData(ThemeStore::key, R"({"accent": {"teal": {}}})"));
  kit::ui::Color teal = ThemeStore::current().accentColor();
  PngPixels accented = rendered("test.tally.board", {"--mode", "accented", "--scheme", "dark"});
  // The white accentable half takes the accent; the black half has no luminance left.
  expectColor(accented.at(100, 170), teal, "accentable half");
  EXPECT_EQ(accented.at(600, 100).alpha, 0);

  PngPixels vibrant = rendered("test.tally.board", {"--mode", "vibrant"});
  expectColor(vibrant.at(100, 170), kit::ui::Color::white, "vibrant half");
}

} // namespace
} // namespace zavel::host::testing
