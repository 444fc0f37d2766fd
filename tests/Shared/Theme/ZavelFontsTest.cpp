#include "Shared/Theme/ZavelFonts.h"

#include "kit/foundation/Resources.h"
#include "kit/ui/text/FreshProcess.h"
#include "kit/ui/text/PangoTextEngine.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <latch>
#include <thread>

using kit::ui::Font;
using kit::ui::FontDesign;
using kit::ui::FontWeight;
using kit::ui::FontWidth;
using kit::ui::PangoTextEngine;
using kit::ui::testing::ChildChecks;
using kit::ui::testing::expectInFreshProcess;
using zavel::ThemeSettings;
using NumeralStyle = ThemeSettings::NumeralStyle;
namespace ZavelFonts = zavel::ZavelFonts;

namespace {

constexpr std::array allWeights{FontWeight::ultraLight, FontWeight::thin,   FontWeight::light,
                                FontWeight::regular,    FontWeight::medium, FontWeight::semibold,
                                FontWeight::bold,       FontWeight::heavy,  FontWeight::black};

using W = FontWeight;

// What a style asks for: the face and, for each of the nine weights in order, the weight used.
struct StyleCase {
  NumeralStyle style;
  Font::Source source;
  const char *name;
  FontDesign design;
  FontWidth width;
  std::array<FontWeight, 9> weights;
};

constexpr std::array<FontWeight, 9> asAsked = allWeights;

TEST(ZavelFonts, EachNumeralStyleMapsTheAskedWeight) {
  using S = Font::Source;
  const StyleCase cases[] = {
      {NumeralStyle::featherweight,
       S::system,
       "",
       FontDesign::standard,
       FontWidth::standard,
       {W::ultraLight, W::ultraLight, W::ultraLight, W::ultraLight, W::light, W::light, W::light,
        W::light, W::light}},
      {NumeralStyle::rounded, S::system, "", FontDesign::rounded, FontWidth::standard, asAsked},
      {NumeralStyle::mono, S::system, "", FontDesign::monospaced, FontWidth::standard, asAsked},
      {NumeralStyle::serif, S::system, "", FontDesign::serif, FontWidth::standard, asAsked},
      {NumeralStyle::condensed, S::system, "", FontDesign::standard, FontWidth::condensed, asAsked},
      {NumeralStyle::dot,
       S::family,
       "Doto",
       FontDesign::standard,
       FontWidth::standard,
       {W::semibold, W::semibold, W::semibold, W::semibold, W::semibold, W::semibold, W::bold,
        W::semibold, W::semibold}},
      {NumeralStyle::orbit,
       S::family,
       "Orbitron",
       FontDesign::standard,
       FontWidth::standard,
       {W::regular, W::regular, W::regular, W::regular, W::regular, W::regular, W::medium,
        W::regular, W::regular}},
      {NumeralStyle::hairline,
       S::family,
       "Gruppo",
       FontDesign::standard,
       FontWidth::standard,
       {W::regular, W::regular, W::regular, W::regular, W::regular, W::regular, W::regular,
        W::regular, W::regular}},
      {NumeralStyle::typewriter,
       S::family,
       "American Typewriter",
       FontDesign::standard,
       FontWidth::standard,
       {W::regular, W::regular, W::regular, W::regular, W::regular, W::regular, W::semibold,
        W::regular, W::regular}},
  };
  for (const auto &c : cases)
    for (std::size_t i = 0; i < allWeights.size(); ++i) {
      Font font = ZavelFonts::numerals(30, c.style, allWeights[i]);
      Font expected{c.source, c.name, 30, c.weights[i], c.width, c.design, false};
      EXPECT_EQ(font, expected) << zavel::rawValue(c.style) << " at weight " << i;
    }
}

TEST(ZavelFonts, LabelsAndFirmwareNumeralsUseTheMonoFaceOfTheWeightAtAFixedSize) {
  const char *faces[] = {"IBMPlexMono-Regular", "IBMPlexMono-Regular", "IBMPlexMono-Regular",
                         "IBMPlexMono-Regular", "IBMPlexMono-Medium",  "IBMPlexMono-SemiBold",
                         "IBMPlexMono-Bold",    "IBMPlexMono-Bold",    "IBMPlexMono-Bold"};
  for (std::size_t i = 0; i < allWeights.size(); ++i) {
    Font expected = Font::postScript(faces[i], 40);
    EXPECT_TRUE(expected.fixedSize);
    EXPECT_EQ(ZavelFonts::label(40, allWeights[i]), expected) << "weight " << i;
    EXPECT_EQ(ZavelFonts::numerals(40, NumeralStyle::firmware, allWeights[i]), expected)
        << "weight " << i;
  }
}

TEST(ZavelFonts, EveryNumeralStyleResolvesToItsFace) {
  const struct {
    NumeralStyle style;
    std::array<const char *, 4> faces; // regular, medium, semibold, bold
  } cases[] = {
      {NumeralStyle::firmware,
       {"IBMPlexMono-Regular", "IBMPlexMono-Medium", "IBMPlexMono-SemiBold", "IBMPlexMono-Bold"}},
      {NumeralStyle::featherweight,
       {"DejaVuSans-ExtraLight", "DejaVuSans-ExtraLight", "DejaVuSans-ExtraLight",
        "DejaVuSans-ExtraLight"}},
      {NumeralStyle::rounded,
       {"Comfortaa-Regular", "Comfortaa-Regular", "Comfortaa-Bold", "Comfortaa-Bold"}},
      {NumeralStyle::mono,
       {"DejaVuSansMono", "DejaVuSansMono", "DejaVuSansMono-Bold", "DejaVuSansMono-Bold"}},
      {NumeralStyle::serif, {"DejaVuSerif", "DejaVuSerif", "DejaVuSerif-Bold", "DejaVuSerif-Bold"}},
      {NumeralStyle::dot,
       {"DotoBlack-SemiBold", "DotoBlack-SemiBold", "DotoBlack-SemiBold", "DotoBlack-Bold"}},
      {NumeralStyle::condensed,
       {"DejaVuSansCondensed", "DejaVuSansCondensed", "DejaVuSansCondensed-Bold",
        "DejaVuSansCondensed-Bold"}},
      {NumeralStyle::orbit,
       {"Orbitron-Regular", "Orbitron-Regular", "Orbitron-Regular", "Orbitron-Medium"}},
      {NumeralStyle::hairline,
       {"Gruppo-Regular", "Gruppo-Regular", "Gruppo-Regular", "Gruppo-Regular"}},
      // Not installed here: the fallback face, by the weight asked of it.
      {NumeralStyle::typewriter, {"DejaVuSans", "DejaVuSans", "DejaVuSans", "DejaVuSans-Bold"}},
  };
  const FontWeight weights[] = {W::regular, W::medium, W::semibold, W::bold};
  PangoTextEngine engine;
  for (const auto &c : cases)
    for (std::size_t i = 0; i < 4; ++i)
      EXPECT_EQ(engine.resolvedFaceName(ZavelFonts::numerals(30, c.style, weights[i])), c.faces[i])
          << zavel::rawValue(c.style) << " at weight " << i;
}

std::filesystem::path shippedFont(std::string_view name) {
  return kit::foundation::resourcePath("fonts") / (std::string(name) + ".ttf");
}

std::string faceOf(const Font &font) { return PangoTextEngine().resolvedFaceName(font); }

TEST(ZavelFonts, ASecondRegistrationLooksAtNothing) {
  expectInFreshProcess([](ChildChecks &checks) {
    zavel::test::TempHome scratch;
    auto fonts = scratch.path() / "resources" / "fonts";
    std::filesystem::create_directories(fonts);
    std::vector<std::filesystem::path> shipped;
    for (auto name : ZavelFonts::files)
      shipped.push_back(shippedFont(name));
    zavel::test::ScopedEnvironment resources({{"ZAVEL_RESOURCES", fonts.parent_path().string()}});

    // Every file missing: it returns, and the faces fall back.
    ZavelFonts::registerFonts();
    checks.equal(faceOf(ZavelFonts::label(12, W::bold)), std::string("DejaVuSans"),
                 "label face with no files");

    for (const auto &file : shipped)
      std::filesystem::copy_file(file, fonts / file.filename());
    ZavelFonts::registerFonts();
    checks.equal(faceOf(ZavelFonts::label(12, W::bold)), std::string("DejaVuSans"),
                 "label face once the files are there");
    checks.equal(faceOf(ZavelFonts::numerals(30, NumeralStyle::hairline, W::regular)),
                 std::string("DejaVuSans"), "hairline face once the files are there");
  });
}

TEST(ZavelFonts, RegistersExactlyTheFilesPresentInListOrder) {
  expectInFreshProcess([](ChildChecks &checks) {
    zavel::test::TempHome scratch;
    auto fonts = scratch.path();
    // Copied in another order than the list's; a damaged file and a folder are skipped.
    for (auto name : {"Gruppo-Regular", "Orbitron-Medium", "IBMPlexMono-Bold"})
      std::filesystem::copy_file(shippedFont(name), fonts / (std::string(name) + ".ttf"));
    std::ofstream(fonts / "IBMPlexMono-Regular.ttf") << "not a font";
    std::filesystem::create_directories(fonts / "Doto-Bold.ttf");

    kit::ui::FontRegistry registry;
    auto registered = ZavelFonts::registerFrom(registry, fonts);

    checks.equal(registered,
                 std::vector<std::filesystem::path>{fonts / "IBMPlexMono-Bold.ttf",
                                                    fonts / "Orbitron-Medium.ttf",
                                                    fonts / "Gruppo-Regular.ttf"},
                 "registered files");
    checks.equal(faceOf(Font::postScript("IBMPlexMono-Bold", 12)), std::string("IBMPlexMono-Bold"),
                 "present face");
    checks.equal(faceOf(Font::postScript("IBMPlexMono-Regular", 12)), std::string("DejaVuSans"),
                 "damaged face");
    checks.equal(faceOf(Font::family("Orbitron", 30, W::medium)), std::string("Orbitron-Medium"),
                 "orbit face");
    checks.equal(faceOf(Font::family("Doto", 30, W::bold)), std::string("DejaVuSans-Bold"),
                 "missing face");
  });
}

TEST(ZavelFonts, ConcurrentFirstCallersFindTheFacesRegistered) {
  expectInFreshProcess([](ChildChecks &checks) {
    constexpr int callers = 8;
    std::latch start(callers);
    std::vector<std::string> faces(callers);
    std::vector<std::thread> threads;
    for (int i = 0; i < callers; ++i)
      threads.emplace_back([&, i] {
        start.arrive_and_wait();
        faces[i] = faceOf(ZavelFonts::numerals(30, NumeralStyle::dot, W::bold));
      });
    for (auto &thread : threads)
      thread.join();
    for (int i = 0; i < callers; ++i)
      checks.equal(faces[i], std::string("DotoBlack-Bold"), "caller " + std::to_string(i));
  });
}

} // namespace
