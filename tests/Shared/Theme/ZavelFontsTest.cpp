#include "Shared/Theme/ZavelFonts.h"

#include "kit/ui/text/FreshProcess.h"
#include "kit/ui/text/PangoTextEngine.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using kit::ui::Font;
using kit::ui::PangoTextEngine;
using W = kit::ui::FontWeight;
using NumeralStyle = zavel::ThemeSettings::NumeralStyle;
namespace ZavelFonts = zavel::ZavelFonts;

namespace {

std::string faceOf(const Font &font) { return PangoTextEngine().resolvedFaceName(font); }

TEST(ZavelFonts, LabelsAndEveryNumeralStyleResolveToTheirFaceForTheAskedWeight) {
  const std::tuple<NumeralStyle, W, const char *> cases[] = {
      {NumeralStyle::firmware, W::semibold, "IBMPlexMono-SemiBold"},
      {NumeralStyle::firmware, W::heavy, "IBMPlexMono-Bold"},
      {NumeralStyle::featherweight, W::bold, "DejaVuSans-ExtraLight"},
      {NumeralStyle::rounded, W::bold, "Comfortaa-Bold"},
      {NumeralStyle::mono, W::semibold, "DejaVuSansMono-Bold"},
      {NumeralStyle::serif, W::regular, "DejaVuSerif"},
      {NumeralStyle::dot, W::semibold, "DotoBlack-SemiBold"},
      {NumeralStyle::dot, W::bold, "DotoBlack-Bold"},
      {NumeralStyle::condensed, W::bold, "DejaVuSansCondensed-Bold"},
      {NumeralStyle::orbit, W::bold, "Orbitron-Medium"},
      {NumeralStyle::hairline, W::bold, "Gruppo-Regular"},
      // Not installed here: the fallback face, by the weight asked of it.
      {NumeralStyle::typewriter, W::bold, "DejaVuSans-Bold"},
  };
  for (const auto &[style, weight, face] : cases)
    EXPECT_EQ(faceOf(ZavelFonts::numerals(30, style, weight)), face) << zavel::rawValue(style);
  EXPECT_EQ(ZavelFonts::label(40, W::black),
            ZavelFonts::numerals(40, NumeralStyle::firmware, W::black));
}

TEST(ZavelFonts, WithTheShippedFilesMissingTheFacesFallBack) {
  kit::ui::testing::expectInFreshProcess([](kit::ui::testing::ChildChecks &checks) {
    zavel::test::TempHome scratch;
    // Resources without a fonts folder.
    zavel::test::ScopedEnvironment resources({{"ZAVEL_RESOURCES", scratch.path().string()}});
    checks.equal(faceOf(ZavelFonts::label(12, W::bold)), std::string("DejaVuSans"),
                 "label face with no files");
  });
}

} // namespace
