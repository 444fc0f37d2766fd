#include "kit/ui/text/PangoTextEngine.h"

#include "ShippedFonts.h"
#include "kit/ui/Layout.h"
#include "kit/ui/Text.h"
#include "kit/ui/TreeJson.h"

#include <gtest/gtest.h>

namespace kit::ui {
namespace {

class FontResolution : public ::testing::Test {
protected:
  void SetUp() override { testing::registerShippedFonts(); }
  PangoTextEngine engine;
};

struct FaceCase {
  Font font;
  const char *face;
};

TEST_F(FontResolution, NamedFacesAndSystemWeightsResolveToInstalledFaces) {
  const FaceCase cases[] = {
      {Font::family("Orbitron", 24, FontWeight::medium), "Orbitron-Medium"},
      {Font::family("Gruppo", 24, FontWeight::black), "Gruppo-Regular"},
      {Font::system(30, FontWeight::light), "DejaVuSans-ExtraLight"},
      {Font::system(30, FontWeight::medium), "DejaVuSans"},
      {Font::system(30, FontWeight::semibold), "DejaVuSans-Bold"},
      {Font::system(30, FontWeight::heavy, FontDesign::monospaced), "DejaVuSansMono-Bold"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(engine.resolvedFaceName(c.font), c.face)
        << "weight " << int(c.font.weight) << " design " << int(c.font.design);
}

TEST_F(FontResolution, FacesThatAreNotInstalledFallBackWithoutFailing) {
  const FaceCase cases[] = {
      {Font::family("American Typewriter", 30, FontWeight::semibold), "DejaVuSans-Bold"},
      {Font::family("", 30), "DejaVuSans"},
      {Font::postScript("NoSuchFace-Bold", 30), "DejaVuSans"},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(engine.resolvedFaceName(c.font), c.face) << c.font.name;
    EXPECT_GT(engine.measure("Fallback", TextStyle{.font = c.font, .lineLimit = {}}, {}).size.width,
              0);
  }
}

TEST_F(FontResolution, TheTreeReportsTheWeightOfTheFaceDrawn) {
  const struct {
    const char *name;
    Font font;
    FontWeight weight;
    const char *dumped;
  } cases[] = {
      {.name = "a PostScript name fixes the weight",
       .font = Font::postScript("IBMPlexMono-Bold", 20),
       .weight = FontWeight::bold,
       .dumped = "bold"},
      {.name = "another face of the family",
       .font = Font::postScript("IBMPlexMono-SemiBold", 20),
       .weight = FontWeight::semibold,
       .dumped = "semibold"},
      {.name = "a family at a weight it has",
       .font = Font::family("Orbitron", 20, FontWeight::medium),
       .weight = FontWeight::medium,
       .dumped = "medium"},
      {.name = "a weight the family lacks draws its nearest face",
       .font = Font::system(20, FontWeight::medium),
       .weight = FontWeight::regular,
       .dumped = "regular"},
      {.name = "a PostScript name that is not installed falls back",
       .font = Font::postScript("NoSuchFace-Bold", 20),
       .weight = FontWeight::regular,
       .dumped = "regular"},
  };
  for (const auto &c : cases) {
    LaidOutTree tree = layOut(Text("Aa").font(c.font), {200, 50}, {engine, {}});
    EXPECT_EQ(tree.root.as<TextRun>()->faceWeight, c.weight) << c.name;
    EXPECT_EQ(treeJson(tree)["root"]["font"]["weight"], c.dumped) << c.name;
  }
}

// Characters a face lacks come from another face; a face that has them all sets every one.
TEST_F(FontResolution, EachRunOfALabelIsSetInTheFirstFaceThatHasItsCharacters) {
  const char *orbit = "ORBIT \u00b7 MODE", *range = "H 24\u00b0 \u2014 L 15\u00b0";
  const std::tuple<const char *, Font, std::vector<FaceRun>> cases[] = {
      {orbit,
       Font::family("Orbitron", 15),
       {{"ORBIT ", "Orbitron-Regular"}, {"\u00b7", "DejaVuSans"}, {" MODE", "Orbitron-Regular"}}},
      {range, Font::postScript("IBMPlexMono-Regular", 10), {{range, "IBMPlexMono-Regular"}}},
      {range, Font::postScript("IBMPlexMono-SemiBold", 10), {{range, "IBMPlexMono-SemiBold"}}},
      // Emoji come from the colour emoji face the machine has.
      {"GATE \U0001F511",
       Font::postScript("IBMPlexMono-Regular", 10),
       {{"GATE ", "IBMPlexMono-Regular"}, {"\U0001F511", "NotoColorEmoji"}}},
  };
  for (const auto &[text, font, runs] : cases)
    EXPECT_EQ(engine.runs(text, TextStyle{.font = font, .lineLimit = {}}, {}), runs) << font.name;
}

} // namespace
} // namespace kit::ui
