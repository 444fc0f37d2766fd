#include "kit/ui/text/PangoTextEngine.h"

#include "ShippedFonts.h"
#include "Styled.h"

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

TEST_F(FontResolution, NamedFacesResolveToTheirOwnFiles) {
  const FaceCase cases[] = {
      {Font::postScript("DejaVuSansCondensed-Bold", 10), "DejaVuSansCondensed-Bold"},
      {Font::postScript("DejaVuSans-ExtraLight", 10), "DejaVuSans-ExtraLight"},
      {Font::family("Doto", 24, FontWeight::bold), "DotoBlack-Bold"},
      {Font::family("Orbitron", 24), "Orbitron-Regular"},
      {Font::family("Orbitron", 24, FontWeight::medium), "Orbitron-Medium"},
      {Font::family("Gruppo", 24), "Gruppo-Regular"},
      {Font::family("Gruppo", 24, FontWeight::black), "Gruppo-Regular"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(engine.resolvedFaceName(c.font), c.face) << c.font.name;
}

TEST_F(FontResolution, SystemFontDesignsWidthsAndWeightsMapToInstalledFaces) {
  const FaceCase cases[] = {
      {Font::system(30), "DejaVuSans"},
      {Font::system(30, FontWeight::light), "DejaVuSans-ExtraLight"},
      {Font::system(30, FontWeight::medium), "DejaVuSans"},
      {Font::system(30, FontWeight::semibold), "DejaVuSans-Bold"},
      {Font::system(30, FontWeight::bold).withWidth(FontWidth::condensed),
       "DejaVuSansCondensed-Bold"},
      {Font::system(30, FontWeight::heavy, FontDesign::monospaced), "DejaVuSansMono-Bold"},
      {Font::system(30, FontWeight::semibold, FontDesign::serif), "DejaVuSerif-Bold"},
      {Font::system(30, FontWeight::thin, FontDesign::rounded), "Comfortaa-Light"},
      {Font::system(30, FontWeight::bold, FontDesign::rounded), "Comfortaa-Bold"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(engine.resolvedFaceName(c.font), c.face)
        << "weight " << int(c.font.weight) << " design " << int(c.font.design);
}

TEST_F(FontResolution, FacesThatAreNotInstalledFallBackWithoutFailing) {
  const FaceCase cases[] = {
      {Font::family("American Typewriter", 30), "DejaVuSans"},
      {Font::family("American Typewriter", 30, FontWeight::semibold), "DejaVuSans-Bold"},
      {Font::family("", 30), "DejaVuSans"},
      {Font::postScript("NoSuchFace-Bold", 30), "DejaVuSans"},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(engine.resolvedFaceName(c.font), c.face) << c.font.name;
    auto metrics = engine.measure("Fallback", testing::styled(c.font), {});
    EXPECT_GT(metrics.size.width, 0) << c.font.name;
    EXPECT_GT(metrics.size.height, 0) << c.font.name;
  }
}

TEST_F(FontResolution, CharactersAFaceLacksComeFromAnotherFace) {
  auto runs = engine.runs("ORBIT \u00b7 MODE", testing::styled(Font::family("Orbitron", 15)), {});
  EXPECT_EQ(runs, (std::vector<FaceRun>{{"ORBIT ", "Orbitron-Regular"},
                                        {"\u00b7", "DejaVuSans"},
                                        {" MODE", "Orbitron-Regular"}}));
}

TEST_F(FontResolution, EveryRunOfALabelIsSetInTheAskedFace) {
  for (const char *face :
       {"IBMPlexMono-Regular", "IBMPlexMono-Medium", "IBMPlexMono-SemiBold", "IBMPlexMono-Bold"})
    EXPECT_EQ(engine.runs("H 24\u00b0 \u2014 L 15\u00b0",
                          testing::styled(Font::postScript(face, 10)), {}),
              (std::vector<FaceRun>{{"H 24\u00b0 \u2014 L 15\u00b0", face}}));
}

} // namespace
} // namespace kit::ui
