#include "Shared/Views/WeatherViews/WeatherRainView.h"
#include "Shared/Theme/DesignTokens.h"
#include "WeatherViewsTesting.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// Hours from 17:00 with the chances given.
LaidOutTree layRain(std::vector<double> chances, double rainChance = 0.5) {
  WeatherSnapshot data = weather("London", 20, 22, 12);
  data.rainChance = rainChance;
  int hour = 17;
  for (double chance : chances)
    data.rainHours.push_back({std::to_string(hour++ % 24), chance, false});
  return lay(WeatherRainView{data, context(0.5, ZavelSize::m)}.body(), {310, 150});
}

// The bars' area, and each bar under its opacity.
double chartHeight(const LaidOutTree &tree) {
  return tree.root.findAll("GeometryReader").at(0)->frame.size.height;
}
std::vector<const LaidOutNode *> bars(const LaidOutTree &tree) {
  std::vector<const LaidOutNode *> found = tree.root.findAll("Opacity");
  EXPECT_EQ(found.size(), 12u);
  return found;
}
const LaidOutNode &bar(const LaidOutNode *opacity) {
  return *opacity->findAll("RoundedRectangle").at(0);
}

TEST(WeatherRainView, AtMostSevenHourLabels) {
  struct Case {
    std::size_t hours = 0;
    std::vector<std::string> labels;
  };
  for (const Case &c : {Case{.hours = 9, .labels = {"17", "18", "19", "20", "21", "22", "23"}},
                        Case{.hours = 2, .labels = {"17", "18"}}, Case{.hours = 0, .labels = {}}}) {
    std::vector<std::string> texts = layRain(std::vector<double>(c.hours, 0.3)).root.texts();
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 2, texts.end()), c.labels) << c.hours;
  }
}

TEST(WeatherRainView, BarsPeaksAndShadesForTheHoursKnown) {
  struct Case {
    std::string name;
    std::vector<double> chances, heights, opacities;
    std::vector<std::size_t> peaks;
  };
  const std::vector<double> faint{1, 1, 0.45, 0.45, 0.45, 0.45, 0.45, 0.45, 0.45, 0.45, 0.45, 0.45};
  const Case cases[] = {
      Case{.name = "no hours",
           .chances = {},
           .heights = std::vector<double>(12, 0.1),
           .opacities = faint,
           .peaks = {0, 1}},
      Case{.name = "one hour",
           .chances = {0.7},
           .heights = std::vector<double>(12, 0.7),
           .opacities = std::vector<double>(12, 1),
           .peaks = {0, 1}},
      // Straight lines between the hours; a tie keeps the earlier bar.
      Case{.name = "three hours",
           .chances = {0.9, 0.1, 0.9},
           .heights = {0.9, 0.7545, 0.6091, 0.4636, 0.3182, 0.1727, 0.1727, 0.3182, 0.4636, 0.6091,
                       0.7545, 0.9},
           .opacities = {1, 1, 1, 0.7, 0.7, 0.55, 0.55, 0.7, 0.7, 1, 1, 1},
           .peaks = {0, 11}},
  };
  for (const Case &c : cases) {
    LaidOutTree tree = layRain(c.chances);
    double h = chartHeight(tree);
    std::vector<const LaidOutNode *> all = bars(tree);
    for (std::size_t i = 0; i < all.size(); ++i) {
      bool peak = std::find(c.peaks.begin(), c.peaks.end(), i) != c.peaks.end();
      std::string what = c.name + ", bar " + std::to_string(i);
      EXPECT_NEAR(bar(all[i]).frame.size.height, c.heights[i] * h, 1e-4 * h) << what;
      EXPECT_EQ(all[i]->as<OpacityEffect>()->opacity, c.opacities[i]) << what;
      EXPECT_EQ(bar(all[i]).as<ShapeDraw>()->paint,
                Paint{peak ? ZavelTokens::signal : ZavelTokens::dataTeal})
          << what;
    }
  }
}

TEST(WeatherRainView, StoredChancesOutsideAFractionAreKeptInOneADryHourFourUnitsHigh) {
  // The highest chance as a whole percentage: the fraction cut off, never rounded up.
  struct Case {
    double chance = 0;
    const char *shown = "";
  };
  for (const Case &c : {Case{.chance = 0.999, .shown = "99%"}, Case{.chance = 0.29, .shown = "29%"},
                        Case{.chance = 1e300, .shown = "100%"}, Case{.chance = -0.2, .shown = "0%"},
                        Case{.chance = nan, .shown = "0%"}, Case{.chance = inf, .shown = "0%"}})
    EXPECT_EQ(layRain({0.3, 0.4}, c.chance).root.texts().at(1), c.shown) << c.chance;

  // Hour chances likewise: no bar reaches past the chart or gets a height that is no number; at
  // least 4 units high.
  LaidOutTree tree = layRain({5, nan, -1, inf, 0.5});
  double h = chartHeight(tree);
  std::vector<double> expected{1, 0.6364, 0.2727, 0, 0, 0, 0, 0, 0, 0.1364, 0.3182, 0.5};
  std::vector<const LaidOutNode *> all = bars(tree);
  for (std::size_t i = 0; i < all.size(); ++i)
    EXPECT_NEAR(bar(all[i]).frame.size.height, std::max(expected[i] * h, 4 * 0.5), 1e-4 * h) << i;
}

} // namespace
} // namespace zavel
