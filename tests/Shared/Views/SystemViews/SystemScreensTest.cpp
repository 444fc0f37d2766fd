#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/SystemViews/NetInterface.h"
#include "Shared/Views/SystemViews/NetworkView.h"
#include "Shared/Views/SystemViews/StorageView.h"
#include "Shared/Views/SystemViews/SystemGaugesView.h"
#include "SystemViewsTesting.h"

#include <cstdint>
#include <optional>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(SystemGaugesView, EveryRowTiedForTheHighestReadingIsLitAndAnAbsentOneShowsADash) {
  struct Case {
    const char *name = "";
    SystemSnapshot system;
    StorageSnapshot storage;
    std::vector<std::string> figures;
    std::vector<bool> lit;
    std::vector<double> filled; // of the track
  };
  const Case cases[] = {
      Case{.name = "graphics highest",
           .system = {34, 61, 88},
           .storage = {721, 1000},
           .figures = {"34", "61", "88", "72"},
           .lit = {false, false, true, false},
           .filled = {0.34, 0.61, 0.88, 0.72}},
      Case{.name = "a tie and no graphics",
           .system = {61, 61, std::nullopt},
           .storage = {40, 100},
           .figures = {"61", "61", "—", "40"},
           .lit = {true, true, false, false},
           .filled = {0.61, 0.61, -1, 0.4}}, // -1: a bare dot
      Case{.name = "over 100, and no volume size",
           .system = {150, 0, 0},
           .storage = {5, 0},
           .figures = {"150", "0", "0", "0"},
           .lit = {true, false, false, false},
           .filled = {1, -1, -1, -1}},
      Case{.name = "storage rounds half up",
           .system = {0, 0, 0},
           .storage = {1, 200},
           .figures = {"0", "0", "0", "1"},
           .lit = {false, false, false, true},
           .filled = {-1, -1, -1, -1}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    ZCtx ctx = mediumWidget.context();
    ctx.accent = gold;
    std::vector<Meter> rows =
        meters(layReal(SystemGaugesView{{c.system, c.storage}, ctx}.body(), mediumWidget));
    ASSERT_EQ(rows.size(), 4u);
    const char *labels[] = {"CPU", "MEMORY", "GPU", "STORAGE"};
    for (std::size_t i = 0; i < 4; ++i) {
      SCOPED_TRACE(labels[i]);
      EXPECT_EQ(rows[i].label, labels[i]);
      EXPECT_EQ(rows[i].labelPaint, Paint{ZavelTokens::screenText3});
      EXPECT_EQ(rows[i].figure, c.figures[i]);
      EXPECT_EQ(rows[i].figurePaint, Paint{c.lit[i] ? gold : ZavelTokens::screenText1});
      EXPECT_TRUE(rows[i].lit(c.lit[i] ? gold : ZavelTokens::dataTeal));
      if (c.filled[i] < 0) {
        EXPECT_NEAR(rows[i].dot, 1, 1e-9);
      } else {
        EXPECT_NEAR(rows[i].filled, c.filled[i], 1e-9);
      }
    }
  }
}

TEST(NetworkView, RatesKeepOneDecimalBelowAHundredAndRoundToWholeNumbersFromThere) {
  struct Case {
    double rate = 0;
    std::string text;
  };
  for (const Case &c :
       {Case{.rate = 99.95, .text = "100.0"}, Case{.rate = 100, .text = "100"},
        Case{.rate = 482.6, .text = "483"}, Case{.rate = 0, .text = "0.0"},
        Case{.rate = 0.5, .text = "0.5"}, Case{.rate = 1e300, .text = "9223372036854775807"}}) {
    LaidOutTree tree =
        layReal(NetworkView{{.downMBs = c.rate, .upMBs = c.rate}, smallWidget.context()}.body(),
                smallWidget);
    EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"NETWORK", "↓", c.text, "↑", c.text,
                                                           "MB/S — " + NetInterface::label()}));
    const std::vector<const LaidOutNode *> texts = tree.root.findAll("Text");
    EXPECT_EQ(run(*texts[1]).paint, Paint{ZavelTokens::dataTeal});
    EXPECT_EQ(run(*texts[2]).paint, Paint{ZavelTokens::screenText1}) << "the screen's own ink";
    EXPECT_EQ(run(*texts[4]).paint, Paint{ZavelTokens::screenText2});
  }
}

TEST(StorageView, UsedGigabytesOnABarAgainstTheSizeInWholeTerabytesFromAThousandGigabytes) {
  struct Case {
    StorageSnapshot storage;
    std::string total;
    double filled = 0; // -1: a bare dot
  };
  for (const Case &c :
       {Case{.storage = {721, 1000}, .total = "OF 1 TB USED", .filled = 0.721},
        Case{.storage = {500, 999}, .total = "OF 999 GB USED", .filled = 500.0 / 999},
        Case{.storage = {2500, 2500}, .total = "OF 3 TB USED", .filled = 1},
        Case{.storage = {1, 2048}, .total = "OF 2 TB USED", .filled = -1},
        Case{.storage = {12, 0}, .total = "OF 0 GB USED", .filled = -1}}) {
    SCOPED_TRACE(c.total);
    LaidOutTree tree = layReal(StorageView{c.storage, smallWidget.context()}.body(), smallWidget);
    EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{
                                     "STORAGE", std::to_string(c.storage.usedGB), "GB", c.total}));
    std::vector<const LaidOutNode *> bar = tree.root.findAll("Capsule");
    ASSERT_EQ(bar.size(), 2u);
    Rect track = bar[0]->frame, fill = bar[1]->frame;
    if (c.filled < 0)
      EXPECT_NEAR(fill.size.width, fill.size.height, 1e-9);
    else
      EXPECT_NEAR(fill.size.width / track.size.width, c.filled, 1e-9);
    // The bar sits at the bottom of the screen's padded column, the caption under it.
    EXPECT_GT(track.minY(), textNode(tree, "GB").frame.maxY() + 30);
  }
}

} // namespace
} // namespace zavel
