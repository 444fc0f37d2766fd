#include "kit/ui/text/FontRegistry.h"

#include "FreshProcess.h"
#include "ShippedFonts.h"
#include "kit/ui/text/PangoTextEngine.h"
#include "support/ScratchTree.h"

#include <gtest/gtest.h>

#include <latch>
#include <thread>

namespace kit::ui {
namespace {

using testing::ChildChecks;
using testing::expectInFreshProcess;
using testing::shippedFont;

std::string faceOf(const PangoTextEngine &engine, const Font &font) {
  return engine.resolvedFaceName(font);
}

TEST(FontRegistry, RegistersTheFontFilesThatExistInTheirOrder) {
  test_support::ScratchTree folder;
  auto notAFont = folder.write("notes.ttf", "not a font");
  auto gruppo = shippedFont("Gruppo-Regular.ttf");
  auto orbitron = shippedFont("Orbitron-Regular.ttf");

  // A folder would have fontconfig add every font in it.
  EXPECT_EQ(registerFontFiles({gruppo, folder.root() / "missing.ttf", notAFont, folder.root(),
                               shippedFont(""), orbitron}),
            (std::vector<std::filesystem::path>{gruppo, orbitron}));
  PangoTextEngine engine;
  EXPECT_EQ(faceOf(engine, Font::family("Gruppo", 12)), "Gruppo-Regular");
  EXPECT_EQ(faceOf(engine, Font::family("Orbitron", 12)), "Orbitron-Regular");
}

// A folder holding only files that are asked for is handed to fontconfig whole, with the same
// answer as file by file.
TEST(FontRegistry, AFolderOfOnlyAskedForFilesGivesTheSameAnswer) {
  expectInFreshProcess([](ChildChecks &checks) {
    test_support::ScratchTree folder;
    auto notAFont = folder.write("notes.ttf", "not a font");
    auto gruppo = folder.root() / "Gruppo-Regular.ttf";
    std::filesystem::copy_file(shippedFont("Gruppo-Regular.ttf"), gruppo);
    checks.equal(registerFontFiles({notAFont, gruppo}), std::vector<std::filesystem::path>{gruppo},
                 "registered");
    checks.equal(registerFontFiles({notAFont}), std::vector<std::filesystem::path>{},
                 "asked again");
    PangoTextEngine engine;
    checks.equal(faceOf(engine, Font::family("Gruppo", 12)), std::string("Gruppo-Regular"), "face");
  });
}

// Concurrent first callers all wait for the files; a later call registers nothing more.
TEST(FontRegistry, RegistersOnceAndConcurrentFirstCallersWaitForTheFiles) {
  expectInFreshProcess([](ChildChecks &checks) {
    FontRegistry registry;
    PangoTextEngine engine;
    constexpr int callers = 8;
    std::latch start(callers);
    using Paths = std::vector<std::filesystem::path>;
    Paths gruppo{shippedFont("Gruppo-Regular.ttf")};
    std::vector<Paths> results(callers);
    std::vector<std::string> faces(callers);
    std::vector<std::jthread> threads;
    for (int i = 0; i < callers; ++i)
      threads.emplace_back([&, i] {
        start.arrive_and_wait();
        results[i] = registry.registerOnce(gruppo);
        faces[i] = faceOf(engine, Font::family("Gruppo", 12));
      });
    threads.clear();
    checks.equal(results, std::vector<Paths>(callers, gruppo), "files registered, as seen");
    checks.equal(faces, std::vector<std::string>(callers, "Gruppo-Regular"), "faces seen");
    checks.equal(registry.registerOnce({shippedFont("Orbitron-Regular.ttf")}), gruppo,
                 "second result");
    checks.equal(faceOf(engine, Font::family("Orbitron", 12)), std::string("DejaVuSans"),
                 "face named only by the second call");
  });
}

// Files and aliases registered after text was measured still take effect.
TEST(FontRegistry, LateFilesAndAliasesTakeEffect) {
  expectInFreshProcess([](ChildChecks &checks) {
    const PangoTextEngine &engine = dynamic_cast<const PangoTextEngine &>(defaultTextEngine());
    TextStyle style{.font = Font::family("Orbitron", 20), .lineLimit = {}};
    Font doto = Font::family("Doto", 24, FontWeight::bold);
    auto before = engine.measure("ORBIT", style, {});
    checks.equal(engine.runs("ORBIT", style, {}).at(0).faceName, std::string("DejaVuSans"),
                 "face before registration");

    registerFontFiles({shippedFont("Orbitron-Regular.ttf"), shippedFont("Doto-SemiBold.ttf"),
                       shippedFont("Doto-Bold.ttf")});
    checks.equal(engine.runs("ORBIT", style, {}).at(0).faceName, std::string("Orbitron-Regular"),
                 "face after registration");
    checks.equal(engine.measure("ORBIT", style, {}) == before, false, "metrics are measured anew");
    checks.equal(faceOf(engine, doto), std::string("DejaVuSans-Bold"), "without the alias");

    registerFontFamilyAliases({testing::dotoAlias});
    checks.equal(faceOf(engine, doto), std::string("DotoBlack-Bold"), "bold");
    checks.equal(faceOf(engine, Font::family("Doto", 24, FontWeight::semibold)),
                 std::string("DotoBlack-SemiBold"), "semibold");
  });
}

} // namespace
} // namespace kit::ui
