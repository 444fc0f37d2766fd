#include "kit/ui/text/FontRegistry.h"

#include "FreshProcess.h"
#include "ShippedFonts.h"
#include "Styled.h"
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

TEST(FontRegistry, RegistersOnlyOnTheFirstCall) {
  expectInFreshProcess([](ChildChecks &checks) {
    FontRegistry registry;
    checks.equal(registry.hasRegistered(), false, "before the first call");
    auto plex = shippedFont("IBMPlexMono-Regular.ttf");
    registry.registerOnce({plex});
    auto second = registry.registerOnce({shippedFont("Gruppo-Regular.ttf")});
    checks.equal(registry.hasRegistered(), true, "after it");
    checks.equal(second, std::vector<std::filesystem::path>{plex}, "second result");
    PangoTextEngine engine;
    checks.equal(faceOf(engine, Font::postScript("IBMPlexMono-Regular", 12)),
                 std::string("IBMPlexMono-Regular"), "registered face");
    checks.equal(faceOf(engine, Font::family("Gruppo", 12)), std::string("DejaVuSans"),
                 "face named only by the second call");
  });
}

TEST(FontRegistry, ConcurrentFirstCallersWaitForTheFiles) {
  expectInFreshProcess([](ChildChecks &checks) {
    FontRegistry registry;
    PangoTextEngine engine;
    constexpr int callers = 8;
    std::latch start(callers);
    std::vector<std::string> faces(callers);
    std::vector<std::size_t> counts(callers);
    std::vector<std::thread> threads;
    for (int i = 0; i < callers; ++i)
      threads.emplace_back([&, i] {
        start.arrive_and_wait();
        counts[i] = registry.registerOnce(testing::shippedFontFiles()).size();
        faces[i] = faceOf(engine, Font::family("Gruppo", 12));
      });
    for (auto &thread : threads)
      thread.join();
    for (int i = 0; i < callers; ++i) {
      checks.equal(counts[i], 9u, "files registered, as seen by caller " + std::to_string(i));
      checks.equal(faces[i], std::string("Gruppo-Regular"), "face for caller " + std::to_string(i));
    }
  });
}

TEST(FontRegistry, FilesRegisteredAfterTextWasMeasuredStillTakeEffect) {
  expectInFreshProcess([](ChildChecks &checks) {
    const PangoTextEngine &engine = dynamic_cast<const PangoTextEngine &>(defaultTextEngine());
    TextStyle style = testing::styled(Font::family("Orbitron", 20));
    auto before = engine.measure("ORBIT", style, {});
    checks.equal(engine.runs("ORBIT", style, {}).at(0).faceName, std::string("DejaVuSans"),
                 "face before registration");

    registerFontFiles({shippedFont("Orbitron-Regular.ttf")});

    checks.equal(engine.runs("ORBIT", style, {}).at(0).faceName, std::string("Orbitron-Regular"),
                 "face after registration");
    checks.equal(engine.measure("ORBIT", style, {}) == before, false, "metrics are measured anew");
  });
}

TEST(FontRegistry, AnAliasMakesAFamilyAnswerForAnother) {
  expectInFreshProcess([](ChildChecks &checks) {
    registerFontFiles({shippedFont("Doto-SemiBold.ttf"), shippedFont("Doto-Bold.ttf")});
    PangoTextEngine engine;
    checks.equal(faceOf(engine, Font::family("Doto", 24, FontWeight::bold)),
                 std::string("DejaVuSans-Bold"), "without the alias");

    registerFontFamilyAliases({testing::dotoAlias});

    checks.equal(faceOf(engine, Font::family("Doto", 24, FontWeight::bold)),
                 std::string("DotoBlack-Bold"), "bold");
    checks.equal(faceOf(engine, Font::family("Doto", 24, FontWeight::semibold)),
                 std::string("DotoBlack-SemiBold"), "semibold");
  });
}

} // namespace
} // namespace kit::ui
