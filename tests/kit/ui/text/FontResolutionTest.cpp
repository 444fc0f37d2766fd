#include "kit/ui/text/PangoTextEngine.h"

#include "ShippedFonts.h"

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

// Characters a face lacks come from another face; a face that has them all sets every one.
TEST_F(FontResolution, EachRunOfALabelIsSetInTheFirstFaceThatHasItsCharacters) {
  const char *orbit = "ORBIT \u00b7 MODE", *range = "H 24\u00b0 \u2014 L 15\u00b0";
  const std::tuple<const char *, Font, std::vector<FaceRun>> cases[] = {
      {orbit,
       Font::family("Orbitron", 15),
       {{"ORBIT ", "Orbitron-Regular"}, {"\u00b7", "DejaVuSans"}, {" MODE", "Orbitron-Regular"}}},
      {range, Font::postScript("IBMPlexMono-Regular", 10), {{range, "IBMPlexMono-Regular"}}},
      {range, Font::postScript("IBMPlexMono-SemiBold", 10), {{range, "IBMPlexMono-SemiBold"}}},
  };
  for (const auto &[text, font, runs] : cases)
    EXPECT_EQ(engine.runs(text, TextStyle{.font = font, .lineLimit = {}}, {}), runs) << font.name;
}

} // namespace
} // namespace kit::ui
