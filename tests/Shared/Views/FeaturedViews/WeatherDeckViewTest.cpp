#include "Shared/Views/FeaturedViews/WeatherDeckView.h"
#include "../WeatherViews/WeatherViewsTesting.h"
#include "FeaturedViewsTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Glyphs/KeyGlyphs.h"
#include "support/ScopedEnvironment.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using DeckState::WeatherView;
using Texts = std::vector<std::string>;

// Thursday 16 May 2024, 12:00 UTC.
const kit::foundation::Date thursday = kit::foundation::Date::fromUnixTime(1715860800);

WeatherSnapshot withHighs(int64_t today, std::vector<int64_t> highs) {
  WeatherSnapshot snapshot = weather("Oslo", 7, today, 2);
  const char *names[] = {"Fri", "Sat", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri"};
  for (std::size_t i = 0; i < highs.size(); ++i)
    snapshot.days.push_back({names[i % 8], highs[i], highs[i] - 3, false});
  return snapshot;
}

const std::vector<DeckCity> cities{
    {"OSLO", "7°", true}, {"KYOTO", "29°", false}, {"LISBON", "—", false}, {"SYDNEY", "12°", true}};

// Whether `shown` holds `wanted` in this order, other texts between them.
bool showsInOrder(const Texts &shown, const Texts &wanted) {
  auto next = shown.begin();
  for (const std::string &text : wanted) {
    next = std::find(next, shown.end(), text);
    if (next == shown.end())
      return false;
    ++next;
  }
  return true;
}

// The shapes filled with `paint`, in drawing order.
std::vector<Rect> filled(const LaidOutTree &tree, const char *kind, const Paint &paint) {
  std::vector<Rect> frames;
  for (const LaidOutNode *node : tree.root.findAll(kind))
    if (node->as<ShapeDraw>()->paint == paint && !node->as<ShapeDraw>()->stroke)
      frames.push_back(node->frame);
  return frames;
}

TEST(WeatherDeckView, ScreensChartsRangesAndKeyLighting) {
  WeatherSnapshot noFigures = weather("Oslo", 7, 9, 2);
  noFigures.feelsLike = 5;
  WeatherSnapshot level = withHighs(5, {5, 9, 5});
  level.days[1].low = 9;
  const struct {
    const char *name;
    WeatherView view = WeatherView::home;
    WeatherSnapshot snapshot;
    const char *locale = "en_GB";
    Texts texts = {};                // shown in this order
    std::vector<double> bars = {};   // home: the bars' heights in chart heights
    std::vector<double> ranges = {}; // week: the segments' lengths in track widths
  } cases[] = {
      {.name = "equal highs",
       .snapshot = withHighs(5, {5, 5, 5, 5, 5, 5}),
       .texts = {"Thursday", "7°", "Partly Cloudy", "5", "5", "TH", "FR", "SA", "SU", "MO", "TU",
                 "WE", "SUNSET", "21:04"},
       .bars = {0.34, 0.34, 0.34, 0.34, 0.34, 0.34, 0.34}},
      {.name = "one degree apart",
       .snapshot = withHighs(6, {5, 6}),
       .texts = {"6", "5"},
       .bars = {0.80, 0.34, 0.80}},
      {.name = "no forecast days",
       .snapshot = weather("Oslo", 7, 9, 2),
       .texts = {"8", "4", "TH"},
       .bars = {0.34}},
      {.name = "eight forecast days, the last two not drawn",
       .snapshot = withHighs(9, {4, 5, 6, 7, 8, 9, 30, -10}),
       .texts = {"30", "-10"},
       .bars = {0.80, 0.34, 0.34 + 0.092, 0.34 + 0.184, 0.34 + 0.276, 0.34 + 0.368, 0.80}},
      {.name = "the weekday in the device's language",
       .snapshot = withHighs(5, {6}),
       .locale = "de_DE",
       .texts = {"Donnerstag", "DO", "FR"},
       .bars = {0.34, 0.80}},
      {.name = "week without days",
       .view = WeatherView::week,
       .snapshot = weather("Oslo", 7, 9, 2),
       .texts = {"7-DAY — HIGH / LOW", "TH", "2°", "9°"},
       .ranges = {0.56}},
      {.name = "week of seven, one day level",
       .view = WeatherView::week,
       .snapshot = level,
       .texts = {"TH", "2°", "5°", "FR", "2°", "5°", "SA", "9°", "9°", "SU"},
       // Lows 2 to 9 and highs to 9: a span of 7.
       .ranges = {0.24, 0.24, 0.1, 0.24}},
      {.name = "today without figures",
       .view = WeatherView::today,
       .snapshot = noFigures,
       .texts = {"THURSDAY — RIGHT NOW", "7°", "Partly Cloudy", "FEELS", "5°", "WIND", "—", "HUM",
                 "—", "UV", "—", "VIS", "—", "PRESS", "—"}},
      {.name = "saved locations",
       .view = WeatherView::fav,
       .snapshot = withHighs(5, {6}),
       .texts = {"SAVED LOCATIONS", "OSLO", "7°", "KYOTO", "29°", "LISBON", "—", "SYDNEY", "12°"}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    test::ScopedLocaleAndZone locale{c.locale, "Europe/Oslo"};
    ZCtx ctx = largeWidget.context();
    double u = ctx.u;
    WeatherDeckData data{c.snapshot, c.view, cities, "21:04", 0.34};
    LaidOutTree tree = layReal(WeatherDeckView{data, ctx}.body(), largeWidget, thursday);
    EXPECT_TRUE(showsInOrder(tree.root.texts(), c.texts))
        << ::testing::PrintToString(tree.root.texts());

    std::vector<double> bars;
    for (const Rect &bar : filled(tree, "RoundedRectangle", ZavelTokens::dataTeal))
      bars.push_back(bar.size.height / (112 * u));
    EXPECT_EQ(bars.size(), c.bars.size());
    for (std::size_t i = 0; i < std::min(bars.size(), c.bars.size()); ++i)
      EXPECT_NEAR(bars[i], c.bars[i], 1e-9) << i;

    std::vector<Rect> tracks = filled(tree, "Capsule", ZavelTokens::track);
    std::vector<Rect> segments = filled(tree, "Capsule", ZavelTokens::dataTeal);
    ASSERT_EQ(segments.size(), c.view == WeatherView::week ? c.snapshot.days.size() + 1 : 0);
    for (std::size_t i = 0; i < c.ranges.size(); ++i)
      EXPECT_NEAR(segments[i].size.width / tracks[i].size.width, c.ranges[i], 1e-9) << i;

    // Only the key of the screen shown is lit; the home key stays as it is.
    auto keys = buttons(tree);
    const WeatherView rail[] = {WeatherView::today, WeatherView::week, WeatherView::fav};
    for (std::size_t i = 0; i < 3; ++i) {
      const LaidOutNode &key = *keys[keys.size() - 4 + i];
      EXPECT_EQ(intentOf(key), (IntentReference{"WeatherDeckViewIntent",
                                                {{"view", DeckState::rawValue(rail[i])}}}));
      if (rail[i] == c.view)
        EXPECT_TRUE(litInAccent(glyphInk(key), ctx.accent)) << i;
      else
        EXPECT_EQ(glyphInk(key), Paint{ZavelTokens::keyInk}) << i;
    }
    EXPECT_EQ(intentOf(*keys.back()),
              (IntentReference{"WeatherDeckViewIntent", {{"view", "home"}}}));
  }
}

TEST(WeatherDeckView, AWinterWeekInFahrenheitReadsEveryLowAndHighWholeInColumnsThatLineUp) {
  test::ScopedLocaleAndZone locale{"en_US", "America/Chicago"};
  WeatherSnapshot week = weather("Fargo", -15, 104, -15);
  week.days = {{"Fri", 100, -10, false}, {"Sat", -10, -15, false}, {"Sun", 104, 100, false}};
  ZCtx ctx = largeWidget.context();
  WeatherDeckData data{week, WeatherView::week, cities, "16:52", 0.5};
  LaidOutTree tree = layReal(WeatherDeckView{data, ctx}.body(), largeWidget, thursday);
  // Lows then highs, row by row: today, then the three days.
  const Texts lows{"-15°", "-10°", "-15°", "100°"}, highs{"104°", "100°", "-10°", "104°"};
  std::vector<const LaidOutNode *> texts = tree.root.findAll("Text");
  std::vector<Rect> tracks = filled(tree, "Capsule", ZavelTokens::track);
  ASSERT_EQ(tracks.size(), 4u);
  for (std::size_t row = 0; row < 4; ++row) {
    SCOPED_TRACE(row);
    // Each row's texts: its day, its low, its high.
    const LaidOutNode &low = *texts.at(2 + 3 * row), &high = *texts.at(3 + 3 * row);
    EXPECT_EQ(run(low).text, lows[row]);
    EXPECT_EQ(run(high).text, highs[row]);
    for (const LaidOutNode *temperature : {&low, &high}) {
      TextMetrics drawn = fitted(*temperature);
      EXPECT_EQ(drawn.lineCount, 1);
      EXPECT_FALSE(drawn.truncated);
      EXPECT_EQ(drawn.scale, 1);
    }
    // The lows end where the first row's do, the highs start where its do, the bars between.
    EXPECT_NEAR(low.frame.maxX(), texts.at(2)->frame.maxX(), 1e-6);
    EXPECT_NEAR(high.frame.minX(), texts.at(3)->frame.minX(), 1e-6);
    EXPECT_NEAR(tracks[row].minX(), tracks[0].minX(), 1e-6);
    EXPECT_NEAR(tracks[row].size.width, tracks[0].size.width, 1e-6);
    EXPECT_LT(low.frame.maxX(), tracks[row].minX());
    EXPECT_GT(high.frame.minX(), tracks[row].maxX());
  }
}

TEST(WeatherDeckView, EachKeyFaceIsALayerNamedForItsGlyphAndInk) {
  // A face is drawn once per name and copied afterwards: a lit key must not be named as its
  // unlit face, nor one key as another.
  ZCtx ctx = largeWidget.context();
  const WeatherView rail[] = {WeatherView::today, WeatherView::week, WeatherView::fav};
  std::map<std::pair<std::size_t, bool>, std::set<std::string>> names; // by key and lighting
  for (WeatherView shown :
       {WeatherView::home, WeatherView::today, WeatherView::week, WeatherView::fav}) {
    WeatherDeckData data{withHighs(5, {6}), shown, cities, "21:04", 0.34};
    LaidOutTree tree = layReal(WeatherDeckView{data, ctx}.body(), largeWidget, thursday);
    auto keys = buttons(tree);
    ASSERT_GE(keys.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
      std::vector<const LaidOutNode *> layers = keys[keys.size() - 4 + i]->findAll("StaticLayer");
      ASSERT_EQ(layers.size(), 1u) << i;
      names[{i, i < 3 && rail[i] == shown}].insert(layers[0]->as<StaticLayer>()->key);
    }
  }
  ASSERT_EQ(names.size(), 7u); // three rail keys, lit and unlit, and the home key
  std::set<std::string> distinct;
  for (const auto &[key, shownNames] : names) {
    EXPECT_EQ(shownNames.size(), 1u) << key.first << (key.second ? " lit" : "");
    distinct.insert(shownNames.begin(), shownNames.end());
  }
  EXPECT_EQ(distinct.size(), names.size());
}

TEST(WeatherDeckView, EachSavedRowsHeartSavesItsShownName) {
  ZCtx ctx = largeWidget.context();
  WeatherDeckData data{weather("Oslo", 7, 9, 2), WeatherView::fav, cities, "—", 0.5};
  LaidOutTree tree = layReal(WeatherDeckView{data, ctx}.body(), largeWidget, thursday);
  auto keys = buttons(tree);
  ASSERT_EQ(keys.size(), 8u);
  for (std::size_t i = 0; i < cities.size(); ++i) {
    SCOPED_TRACE(cities[i].name);
    EXPECT_EQ(intentOf(*keys[i]),
              (IntentReference{"ToggleFavCityIntent", {{"name", cities[i].name}}}));
    EXPECT_EQ(figureIn(*keys[i]), figureOf(HeartGlyph(17 * ctx.u, cities[i].fav)));
    EXPECT_EQ(glyphInk(*keys[i]), Paint{cities[i].fav ? ctx.accent : ZavelTokens::dimNumeral});
  }
}

} // namespace
} // namespace zavel
