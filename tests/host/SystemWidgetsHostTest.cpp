#include "host/HostRun.h"
#include "support/PngPixels.h"
#include "support/ScopedEnvironment.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace zavel::host::testing {
namespace {

// The system group, each with its size in points.
const std::pair<const char *, std::pair<int, int>> kSystemWidgets[] = {
    {"zavel.battery.devices", {364, 170}}, {"zavel.battery.minimal", {170, 170}},
    {"zavel.system", {364, 170}},          {"zavel.network", {170, 170}},
    {"zavel.storage", {170, 170}},         {"zavel.stock.ticker", {364, 170}},
    {"zavel.stock.watchlist", {364, 170}}, {"zavel.battery.pill", {364, 170}},
};

TEST(SystemWidgetsExecutable, DrawsEachFromThisMachinesOwnFiguresAndHasNoKeyToPress) {
  zavel::test::TempHome home;
  // No stock service: the ticker falls back at once.
  zavel::test::ScopedEnvironment offline({{"ZAVEL_STOCKS_URL", std::nullopt}});
  test_support::ScratchTree scratch;
  for (const auto &[kind, size] : kSystemWidgets) {
    SCOPED_TRACE(kind);
    std::string png = scratch.root() / (std::string(kind) + ".png");
    // Twice, so the rates of the second come from the first's samples.
    for (int refresh = 0; refresh < 2; ++refresh) {
      HostResult result = runExecutable({"render", kind, "-o", png});
      ASSERT_EQ(result.status, 0) << result.err;
    }
    auto pixels = test_support::readPng(png);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(std::pair(pixels->width, pixels->height), std::pair(2 * size.first, 2 * size.second));
    std::vector<std::string> press{"press", kind, "100", "80"};
    expectRefusal(runExecutable(press), press);
  }
}

} // namespace
} // namespace zavel::host::testing
