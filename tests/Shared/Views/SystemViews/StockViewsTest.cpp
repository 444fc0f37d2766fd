#include "Shared/Theme/CasingInks.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/SystemViews/TickerView.h"
#include "Shared/Views/SystemViews/WatchlistView.h"
#include "SystemViewsTesting.h"

#include <cmath>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using Points = std::vector<StockSnapshot::Point>;

StockSnapshot quote(std::string symbol, double price, double change, Points points = {}) {
  return {std::move(symbol), price, change, std::move(points), {}};
}

Points valued(const std::vector<double> &values) {
  Points points;
  for (double value : values)
    points.push_back({value, std::nullopt});
  return points;
}

ZCtx goldContext(bool cream = false) {
  ZCtx ctx = mediumWidget.context(cream);
  ctx.accent = gold;
  return ctx;
}

// The sparkline's points as fractions of its frame, and whether it is stroked as drawn.
struct Line {
  std::vector<Point> points;
  std::size_t moves = 0;
};

Line sparkline(const LaidOutTree &tree) {
  const LaidOutNode &node = *tree.root.findAll("Path").at(0);
  const ShapeDraw &draw = *node.as<ShapeDraw>();
  EXPECT_EQ(draw.paint, Paint{ZavelTokens::dataTeal});
  EXPECT_EQ(draw.stroke, (StrokeStyle{.lineWidth = 1.6 * mediumWidget.u(),
                                      .lineCap = LineCap::round,
                                      .lineJoin = LineJoin::round}));
  EXPECT_NEAR(node.frame.size.height, 120 * mediumWidget.u(), 1e-9);
  Line line;
  for (const Path::Element &element : draw.path.elements()) {
    line.moves += element.verb == Path::Verb::move;
    Point p = element.points[0];
    line.points.push_back({(p.x - node.frame.minX()) / node.frame.size.width,
                           (p.y - node.frame.minY()) / node.frame.size.height});
  }
  return line;
}

TEST(TickerView, SparklineSpansTheWidthBetweenMarginsOfFivePercentAndLiesFlatWhenItCannotScale) {
  struct Case {
    const char *name = "";
    std::vector<double> values;
    std::vector<Point> points; // fractions of the sparkline's frame
  };
  const Case cases[] = {
      Case{.name = "two", .values = {10, 20}, .points = {{0, 0.95}, {1, 0.05}}},
      Case{.name = "three", .values = {20, 10, 15}, .points = {{0, 0.05}, {0.5, 0.95}, {1, 0.5}}},
      Case{.name = "one", .values = {42}, .points = {{0, 0.95}}},
      Case{.name = "none", .values = {}, .points = {}},
      Case{.name = "all equal", .values = {7, 7, 7}, .points = {{0, 0.95}, {0.5, 0.95}, {1, 0.95}}},
      // The minimum step vanishes beside such values, and the extremes' span is beyond a double.
      Case{.name = "all equal and large", .values = {1e14, 1e14}, .points = {{0, 0.95}, {1, 0.95}}},
      Case{.name = "span too wide", .values = {-1e308, 1e308}, .points = {{0, 0.95}, {1, 0.95}}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    LaidOutTree tree = layReal(
        TickerView{quote("AAPL", 1, 1, valued(c.values)), goldContext()}.body(), mediumWidget);
    Line line = sparkline(tree);
    EXPECT_EQ(line.moves, c.points.empty() ? 0u : 1u);
    ASSERT_EQ(line.points.size(), c.points.size());
    for (std::size_t i = 0; i < c.points.size(); ++i)
      expectPointNear(line.points[i], c.points[i], std::to_string(i), 1e-9);
  }
}

TEST(TickerView, HeaderFiguresAndTheAxisOfLabelledPointsSpreadAcrossTheWidth) {
  struct Case {
    const char *name = "";
    StockSnapshot stock;
    bool cream = false;
    std::vector<std::string> texts;
    Color change;
  };
  const Case cases[] = {
      Case{.name = "sample",
           .stock = StockSnapshot::sample(),
           .texts = {"AAPL", "243.18", "-1.2%", "10AM", "12PM", "2PM", "4PM"},
           .change = gold},
      Case{.name = "no change, cream",
           .stock = quote("msft", 1234.5, 0, {{1, "9AM"}}),
           .cream = true,
           .texts = {"MSFT", "1234.50", "+0.0%", "9AM"},
           // Teal alone is too light on cream: a deeper teal.
           .change = casingShade(ZavelTokens::dataTeal, true)},
      Case{.name = "no labels",
           .stock = quote("X", 0.004, -1.14, valued({1, 2})),
           .texts = {"X", "0.00", "-1.1%"},
           .change = gold},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    ZCtx ctx = goldContext(c.cream);
    LaidOutTree tree = layReal(TickerView{c.stock, ctx}.body(), mediumWidget);
    EXPECT_EQ(tree.root.texts(), c.texts);
    EXPECT_EQ(run(textNode(tree, c.texts[0])).paint, Paint{ctx.casingInk()});
    EXPECT_EQ(run(textNode(tree, c.texts[2])).paint, Paint{c.change});
    // The line's frame is the column's width; the axis row sits 12 units under it.
    const LaidOutNode &line = *tree.root.findAll("Path").at(0);
    const LaidOutNode &column = *tree.root.findAll("VStack").at(0);
    ASSERT_EQ(column.children.size(), 3u);
    const LaidOutNode &axis = column.children[2];
    EXPECT_NEAR(axis.frame.minY(), line.frame.maxY(), 1e-9);
    std::vector<const LaidOutNode *> labels = axis.findAll("Text");
    ASSERT_EQ(labels.size(), c.texts.size() - 3);
    if (labels.empty()) {
      EXPECT_NEAR(axis.frame.size.height, 12 * ctx.u, 1e-9);
      continue;
    }
    EXPECT_NEAR(labels.front()->frame.minX(), line.frame.minX(), 1e-9);
    if (labels.size() > 1) {
      EXPECT_NEAR(labels.back()->frame.maxX(), line.frame.maxX(), 1e-6);
    }
    EXPECT_NEAR(labels.front()->frame.minY(), line.frame.maxY() + 12 * ctx.u, 1e-9);
  }
}

TEST(WatchlistView, UpToThreeRowsOrTheHintWhenThereAreNone) {
  const StockSnapshot kdrx = quote("KDRX", 1234.5, 2.4), omlt = quote("OMLT", 63.1, -1.14);
  struct Case {
    const char *name = "";
    std::vector<StockSnapshot> quotes;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      Case{.name = "none", .quotes = {}, .texts = {"WATCHLIST", "Pick symbols with Edit Widget"}},
      Case{.name = "one",
           .quotes = {omlt},
           .texts = {"WATCHLIST", "OMLT", "omlt", "63.10", "-1.1%"}},
      Case{.name = "the same twice, then two more",
           .quotes = {kdrx, kdrx, omlt, omlt},
           .texts = {"WATCHLIST", "KDRX", "kdrx", "1234.50", "+2.4%", "KDRX", "kdrx", "1234.50",
                     "+2.4%", "OMLT", "omlt", "63.10", "-1.1%"}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    ZCtx ctx = goldContext(true);
    LaidOutTree tree = layReal(WatchlistView{c.quotes, ctx}.body(), mediumWidget);
    EXPECT_EQ(tree.root.texts(), c.texts);
    if (c.quotes.empty())
      continue;
    EXPECT_EQ(run(textNode(tree, c.texts[1])).paint, Paint{ZavelTokens::keyInk});
    // On cream the accent's deeper shade.
    EXPECT_EQ(run(textNode(tree, "-1.1%")).paint, Paint{casingShade(gold, true)});
    // The changes end at the column's trailing edge: 26 units inside the widget's.
    EXPECT_NEAR(textNode(tree, "-1.1%").frame.maxX(), 364 - 26 * ctx.u, 1e-6);
  }
  EXPECT_EQ(
      run(textNode(layReal(WatchlistView{{kdrx}, goldContext()}.body(), mediumWidget), "+2.4%"))
          .paint,
      Paint{ZavelTokens::dataTeal});
  // A change of seven characters shrinks a little in its 56 units rather than wrap.
  LaidOutTree doubled =
      layReal(WatchlistView{{quote("NVDA", 1, 100.44)}, goldContext()}.body(), mediumWidget);
  TextMetrics change = fitted(textNode(doubled, "+100.4%"));
  EXPECT_EQ(change.lineCount, 1);
  EXPECT_FALSE(change.truncated);
  EXPECT_LT(change.scale, 1);
}

} // namespace
} // namespace zavel
