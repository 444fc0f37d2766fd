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

WeatherSnapshot rain(std::vector<double> chances, double rainChance = 0.5) {
  WeatherSnapshot snapshot = weather("London", 20, 22, 12);
  snapshot.rainChance = rainChance;
  int hour = 17;
  for (double chance : chances)
    snapshot.rainHours.push_back({std::to_string(hour++ % 24), chance, false});
  return snapshot;
}

struct Bar {
  Rect frame;
  Paint paint;
  double opacity;
};

struct Chart {
  Rect area; // the space the bars share
  std::vector<Bar> bars;
};

Chart chart(const LaidOutTree &tree) {
  Chart chart;
  chart.area = tree.root.findAll("GeometryReader").at(0)->frame;
  for (const LaidOutNode *opacity : tree.root.findAll("Opacity")) {
    const LaidOutNode *bar = opacity->findAll("RoundedRectangle").at(0);
    chart.bars.push_back(
        {bar->frame, bar->as<ShapeDraw>()->paint, opacity->as<OpacityEffect>()->opacity});
  }
  return chart;
}

// A 310 point medium widget: u = 0.5; the screen inset 7.5, the content 11 and 13 more.
const ZCtx medium = context(0.5, ZavelSize::m);
LaidOutTree layRain(const WeatherSnapshot &data, const ZCtx &ctx = medium) {
  return lay(WeatherRainView{data, ctx}.body(), {310, 150});
}

TEST(WeatherRainView, SevenHoursStretchOverTwelveBarsUnderTheHeader) {
  LaidOutTree tree = layRain(WeatherSnapshot::sample());
  const LaidOutNode &caption = textNode(tree, "RAIN — NEXT 12H");
  const LaidOutNode &percent = textNode(tree, "40%");
  expectMicroLabel(caption, 10, 0.16, ZavelTokens::screenText2, medium);
  EXPECT_EQ(run(percent).style.font, medium.mono(18, FontWeight::bold));
  EXPECT_EQ(run(percent).paint, Paint{ZavelTokens::dataTeal});
  EXPECT_DOUBLE_EQ(caption.frame.minX(), 20.5);
  EXPECT_DOUBLE_EQ(percent.frame.maxX(), 289.5);
  EXPECT_DOUBLE_EQ(caption.frame.midY(), percent.frame.midY());

  Chart bars = chart(tree);
  // 16 units under the header, across the content, down to 10 units over the hour labels.
  double headerBottom = std::max(caption.frame.maxY(), percent.frame.maxY());
  EXPECT_NEAR(bars.area.minY() - headerBottom, 8, 1e-9);
  EXPECT_NEAR(bars.area.minX(), 20.5, 1e-9);
  EXPECT_NEAR(bars.area.size.width, 269, 1e-9);
  const LaidOutNode &first = textNode(tree, "17");
  EXPECT_NEAR(first.frame.minY() - bars.area.maxY(), 5, 1e-9);
  EXPECT_NEAR(first.frame.maxY(), 150 - 18.5, 1e-9);

  const std::vector<double> values{0.25,   0.3182, 0.3977, 0.5341, 0.6932, 0.8977,
                                   0.9318, 0.7955, 0.6136, 0.4091, 0.2614, 0.125};
  const std::vector<double> opacities{0.55, 0.7, 0.7, 1, 1, 1, 1, 1, 1, 0.7, 0.55, 0.45};
  ASSERT_EQ(bars.bars.size(), 12u);
  double width = (269 - 11 * 3.5) / 12;
  for (std::size_t i = 0; i < 12; ++i) {
    const Bar &bar = bars.bars[i];
    std::string what = "bar " + std::to_string(i);
    bool peak = i == 5 || i == 6;
    EXPECT_NEAR(bar.frame.size.height / bars.area.size.height, values[i], 1e-4) << what;
    EXPECT_NEAR(bar.frame.maxY(), bars.area.maxY(), 1e-9) << what;
    EXPECT_NEAR(bar.frame.size.width, width, 1e-9) << what;
    EXPECT_NEAR(bar.frame.minX(), 20.5 + double(i) * (width + 3.5), 1e-9) << what;
    EXPECT_EQ(bar.paint, Paint{peak ? medium.accent : ZavelTokens::dataTeal}) << what;
    EXPECT_EQ(bar.opacity, opacities[i]) << what;
  }
  const LaidOutNode *firstBar = tree.root.findAll("Opacity").at(0)->findAll("RoundedRectangle")[0];
  const ShapeDraw &corner = *firstBar->as<ShapeDraw>();
  EXPECT_EQ(corner.path,
            RoundedRectangle(2, RoundedCornerStyle::continuous).path(bars.bars[0].frame));
}

TEST(WeatherRainView, HourLabelsSpreadFromEdgeToEdge) {
  struct Case {
    std::size_t hours;
    std::vector<std::string> labels;
  };
  for (const Case &c : {
           Case{7, {"17", "18", "19", "20", "21", "22", "23"}},
           Case{9, {"17", "18", "19", "20", "21", "22", "23"}},
           Case{2, {"17", "18"}},
           Case{0, {}},
       }) {
    LaidOutTree tree = layRain(rain(std::vector<double>(c.hours, 0.3)));
    std::vector<std::string> texts = tree.root.texts();
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 2, texts.end()), c.labels) << c.hours;
    if (c.labels.empty())
      continue;
    expectMicroLabel(textNode(tree, c.labels.front()), 8, 0.14, ZavelTokens::screenText3, medium);
    EXPECT_NEAR(textNode(tree, c.labels.front()).frame.minX(), 20.5, 1e-9) << c.hours;
    EXPECT_NEAR(textNode(tree, c.labels.back()).frame.maxX(), 289.5, 1e-9) << c.hours;
  }
}

TEST(WeatherRainView, BarsPeaksAndShadesForTheHoursKnown) {
  struct Case {
    std::string what;
    std::vector<double> chances;
    std::vector<double> bars;
    std::vector<double> opacities;
    std::vector<std::size_t> peaks;
  };
  std::vector<double> rising;
  for (int i = 0; i < 12; ++i)
    rising.push_back(0.2 + 0.6 * i / 11);
  const std::vector<double> faint{1, 1, 0.45, 0.45, 0.45, 0.45, 0.45, 0.45, 0.45, 0.45, 0.45, 0.45};
  for (const Case &c : {
           Case{"no hours", {}, std::vector<double>(12, 0.1), faint, {0, 1}},
           Case{
               "one hour", {0.7}, std::vector<double>(12, 0.7), std::vector<double>(12, 1), {0, 1}},
           Case{"two hours",
                {0.2, 0.8},
                rising,
                {0.55, 0.55, 0.7, 0.7, 0.7, 0.7, 1, 1, 1, 1, 1, 1},
                {10, 11}},
           Case{"all at the floor",
                std::vector<double>(7, 0.06),
                std::vector<double>(12, 0.06),
                faint,
                {0, 1}},
           Case{"a tie keeps the earlier bar",
                {0.9, 0.1, 0.9},
                {0.9, 0.7545, 0.6091, 0.4636, 0.3182, 0.1727, 0.1727, 0.3182, 0.4636, 0.6091,
                 0.7545, 0.9},
                {1, 1, 1, 0.7, 0.7, 0.55, 0.55, 0.7, 0.7, 1, 1, 1},
                {0, 11}},
       }) {
    Chart bars = chart(layRain(rain(c.chances)));
    ASSERT_EQ(bars.bars.size(), 12u) << c.what;
    double h = bars.area.size.height;
    for (std::size_t i = 0; i < 12; ++i) {
      bool peak = std::find(c.peaks.begin(), c.peaks.end(), i) != c.peaks.end();
      std::string what = c.what + ", bar " + std::to_string(i);
      EXPECT_NEAR(bars.bars[i].frame.size.height, c.bars[i] * h, 1e-4 * h) << what;
      EXPECT_EQ(bars.bars[i].opacity, c.opacities[i]) << what;
      EXPECT_EQ(bars.bars[i].paint, Paint{peak ? medium.accent : ZavelTokens::dataTeal}) << what;
    }
  }
}

TEST(WeatherRainView, ADryHourStillShowsABarFourUnitsHigh) {
  for (double u : {0.5, 170.0 / 300}) {
    ZCtx ctx = context(u, ZavelSize::m);
    Chart bars = chart(lay(WeatherRainView{rain({0, 0, 1}), ctx}.body(), {620 * u, 300 * u}));
    EXPECT_NEAR(bars.bars.front().frame.size.height, 4 * u, 1e-9) << u;
    EXPECT_NEAR(bars.bars.back().frame.size.height, bars.area.size.height, 1e-9) << u;
  }
}

TEST(WeatherRainView, StoredChancesOutsideAFractionAreKeptInOne) {
  // The highest chance as a whole percentage: the fraction cut off, never rounded up, and a
  // stored value out of range or not a number held to 0...100.
  struct Case {
    double chance;
    std::string shown;
  };
  for (const Case &c : {Case{0.4, "40%"}, Case{0.999, "99%"}, Case{0.29, "29%"}, Case{0.57, "57%"},
                        Case{0.58, "58%"}, Case{1, "100%"}, Case{0, "0%"}, Case{0.0049, "0%"},
                        Case{1.7, "100%"}, Case{1e300, "100%"}, Case{-0.2, "0%"}, Case{nan, "0%"},
                        Case{inf, "0%"}, Case{-inf, "0%"}}) {
    LaidOutTree tree = layRain(rain({0.3, 0.4}, c.chance));
    EXPECT_EQ(tree.root.texts().at(1), c.shown) << c.chance;
  }

  // Hour chances likewise: no bar reaches past the chart or gets a height that is no number.
  Chart bars = chart(layRain(rain({5, nan, -1, inf, 0.5})));
  double h = bars.area.size.height;
  std::vector<double> expected{1, 0.6364, 0.2727, 0, 0, 0, 0, 0, 0, 0.1364, 0.3182, 0.5};
  for (std::size_t i = 0; i < 12; ++i) {
    EXPECT_NEAR(bars.bars[i].frame.size.height, std::max(expected[i] * h, 2.0), 1e-4 * h) << i;
    EXPECT_NEAR(bars.bars[i].frame.maxY(), bars.area.maxY(), 1e-9) << i;
  }
}

} // namespace
} // namespace zavel
