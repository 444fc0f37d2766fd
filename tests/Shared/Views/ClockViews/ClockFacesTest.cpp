#include "Shared/Data/ClockFormat.h"
#include "Shared/Data/SharedSuite.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ClockViews/ClockColumnView.h"
#include "Shared/Views/ClockViews/ClockDigitalOrbView.h"
#include "Shared/Views/ClockViews/ClockDualView.h"
#include "Shared/Views/ClockViews/ClockHand.h"
#include "Shared/Views/ClockViews/ClockHorizonView.h"
#include "Shared/Views/ClockViews/ClockNumeralDialView.h"
#include "Shared/Views/ClockViews/ClockOrbView.h"
#include "Shared/Views/ClockViews/ClockStackedView.h"
#include "Shared/Views/ClockViews/ClockWorldStripView.h"
#include "Shared/Views/ClockViews/HandAngles.h"
#include "Shared/Views/ViewTesting.h"
#include "kit/foundation/Iso8601.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <cmath>
#include <numbers>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::foundation::Date;
using kit::foundation::TimeZone;

const Color accent = ZavelTokens::signal, ink = ZavelTokens::screenText1;

// A moment in UTC: "06:40:00" on 15 January 2025, or a whole ISO 8601 date.
Date at(std::string time) {
  return *kit::foundation::dateFromIso8601(time.size() > 8 ? time : "2025-01-15T" + time + "Z");
}
TimeZone zone(const char *identifier) { return *TimeZone::named(identifier); }

// A device in Berlin; each face is laid out with the real fonts on a home whose clock choice the
// case sets.
class ClockFaces : public ::testing::Test {
protected:
  void useClock(int64_t hours) {
    ASSERT_TRUE(SharedSuite::open().set(ClockFormat::timeFormatKey, hours));
  }
  std::string texts(const LaidOutTree &tree) const {
    std::string joined;
    for (const std::string &text : tree.root.texts())
      joined += (joined.empty() ? "" : " | ") + text;
    return joined;
  }

  test::TempHome home;
  test::ScopedLocaleAndZone device{"en_GB", "Europe/Berlin"};
};

Rect screenOf(const LaidOutTree &tree) { return tree.root.findAll("Clip").at(0)->frame; }

const ShapeDraw &shapeOf(const LaidOutNode &node) { return *node.as<ShapeDraw>(); }

TEST(HandAngles, HoursMoveWithMinutesMinutesWithSecondsInTheZonesOwnTime) {
  struct Case {
    const char *name = "";
    const char *date = "";
    const char *zone = "Europe/Berlin";
    std::optional<double> live = std::nullopt;
    HandAngles angles;
  };
  const Case cases[] = {
      {.name = "00:00", .date = "23:00:00", .angles = {0, 0, 0}},
      {.name = "12:30", .date = "11:30:00", .angles = {15, 180, 0}},
      {.name = "23:59:30", .date = "22:59:30", .angles = {359.5, 357, 180}},
      {.name = "live 12.5 s", .date = "09:10:42", .live = 12.5, .angles = {305, 61.25, 75}},
      {.name = "Kolkata", .date = "06:40:00", .zone = "Asia/Kolkata", .angles = {5, 60, 0}},
      {.name = "Kathmandu", .date = "06:40:00", .zone = "Asia/Kathmandu", .angles = {12.5, 150, 0}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(handAngles(at(c.date), zone(c.zone), c.live), c.angles) << c.name;
}

// Each hand's colour and the way it points, after checking that it pivots on the screen's centre.
std::vector<std::pair<Paint, double>> handsOf(const LaidOutTree &tree) {
  std::vector<std::pair<Paint, double>> hands;
  Rect screen = screenOf(tree);
  for (const LaidOutNode *turn : tree.root.findAll("Rotation")) {
    const LaidOutNode &bar = *turn->findAll("RoundedRectangle").at(0);
    const AffineTransform &t = turn->as<TransformEffect>()->transform;
    expectPointNear(t.apply({bar.frame.midX(), bar.frame.maxY()}), {screen.midX(), screen.midY()},
                    "pivot");
    double degrees = std::fmod(std::atan2(t.b, t.a) * 180 / std::numbers::pi + 360, 360);
    hands.emplace_back(shapeOf(bar).paint, std::round(degrees * 1e6) / 1e6);
  }
  return hands;
}

TEST_F(ClockFaces, OrbDrawsASecondHandOnlyWithLiveSecondsItsRimNeverUnderAPoint) {
  struct Case {
    const char *name = "";
    WidgetFrame widget;
    std::optional<double> live = std::nullopt;
    std::vector<std::pair<Paint, double>> hands;
    double rim = 0;
  };
  const Case cases[] = {
      {.name = "small, no live seconds",
       .widget = smallWidget,
       .hands = {{ink, 305}, {handGray, 64.2}},
       .rim = 1},
      {.name = "two points a unit, live",
       .widget = {ZavelSize::s, {600, 600}},
       .live = 12.5,
       .hands = {{ink, 305}, {handGray, 61.25}, {accent, 75}},
       .rim = 2},
  };
  for (const Case &c : cases) {
    LaidOutTree tree = layReal(
        ClockOrbView{at("09:10:42"), zone("Europe/Berlin"), c.live, c.widget.context()}.body(),
        c.widget);
    EXPECT_EQ(handsOf(tree), c.hands) << c.name;
    EXPECT_EQ(shapeOf(*tree.root.findAll("Circle").at(1)).stroke->lineWidth, c.rim) << c.name;
  }
}

TEST_F(ClockFaces, NumeralDialHasTwoHandsNoDiscAndItsNumeralsInsideTheDialsEdges) {
  struct Case {
    const char *name = "";
    const char *zone = "";
    std::vector<std::pair<Paint, double>> hands;
  };
  const Case cases[] = {
      {.name = "Berlin 07:40", .zone = "Europe/Berlin", .hands = {{ink, 230}, {handGray, 240}}},
      {.name = "Kathmandu 12:25",
       .zone = "Asia/Kathmandu",
       .hands = {{ink, 12.5}, {handGray, 150}}},
  };
  const double u = smallWidget.u();
  for (const Case &c : cases) {
    LaidOutTree tree =
        layReal(ClockNumeralDialView{at("06:40:00"), zone(c.zone), smallWidget.context()}.body(),
                smallWidget);
    EXPECT_EQ(handsOf(tree), c.hands) << c.name;
    EXPECT_EQ(tree.root.findAll("Circle").size(), 1u) << c.name; // the cap alone
    EXPECT_EQ(texts(tree), "12 | 3 | 6 | 9");
    Rect screen = screenOf(tree);
    EXPECT_NEAR(textNode(tree, "12").frame.minY(), screen.midY() - 92 * u, 1e-9);
    EXPECT_NEAR(textNode(tree, "3").frame.maxX(), screen.midX() + 90 * u, 1e-9);
  }
}

TEST_F(ClockFaces, DigitalOrbRingFillsWithTheMinutesAndNeverCloses) {
  struct Case {
    const char *name = "";
    const char *date = "";
    std::string texts;
    double progress = 0;
  };
  const Case cases[] = {
      {.name = ":00", .date = "09:00:00", .texts = "10:00 | WED 15 JAN", .progress = 0},
      {.name = ":59", .date = "09:59:59", .texts = "10:59 | WED 15 JAN", .progress = 59.0 / 60},
      {.name = "01:05", .date = "12:05:00", .texts = "01:05 | WED 15 JAN", .progress = 5.0 / 60},
  };
  useClock(12);
  const double u = smallWidget.u();
  for (const Case &c : cases) {
    LaidOutTree tree = layReal(
        ClockDigitalOrbView{at(c.date), zone("Europe/Berlin"), smallWidget.context()}.body(),
        smallWidget);
    EXPECT_EQ(texts(tree), c.texts);
    std::vector<const LaidOutNode *> arcs = tree.root.findAll([](const LaidOutNode &node) {
      const auto *shape = node.as<ShapeDraw>();
      return shape && shape->stroke && shape->paint == Paint{accent};
    });
    ASSERT_EQ(arcs.size(), c.progress > 0 ? 1u : 0u) << c.name;
    for (const LaidOutNode *arc : arcs)
      EXPECT_NEAR(shapeOf(*arc).path.length() / (std::numbers::pi * 196 * u), c.progress, 1e-3);
  }
}

TEST_F(ClockFaces, HorizonShowsTheTimeAtTheLeftAndTheZonesOwnDate) {
  struct Case {
    const char *zone = "";
    std::string texts;
  };
  const Case cases[] = {
      {.zone = "Pacific/Kiritimati", .texts = "01:05 | THURSDAY 16 JANUARY"},
      {.zone = "Pacific/Pago_Pago", .texts = "12:05 | WEDNESDAY 15 JANUARY"},
  };
  useClock(12);
  for (const Case &c : cases) {
    LaidOutTree tree =
        layReal(ClockHorizonView{at("11:05:00"), zone(c.zone), mediumWidget.context()}.body(),
                mediumWidget);
    EXPECT_EQ(texts(tree), c.texts);
    EXPECT_NEAR(tree.root.findAll("Text").at(0)->frame.minX(),
                screenOf(tree).minX() + 30 * mediumWidget.u(), 1e-9);
  }
}

TEST_F(ClockFaces, StackedShowsHoursOverDimmedMinutesWithoutAColon) {
  struct Case {
    int64_t clock = 24;
    std::string texts;
  };
  const Case cases[] = {{.clock = 12, .texts = "01 | 05"}, {.clock = 24, .texts = "13 | 05"}};
  for (const Case &c : cases) {
    useClock(c.clock);
    LaidOutTree tree = layReal(
        ClockStackedView{at("12:05:00"), zone("Europe/Berlin"), smallWidget.context()}.body(),
        smallWidget);
    EXPECT_EQ(texts(tree), c.texts);
    EXPECT_EQ(run(*tree.root.findAll("Text").at(1)).paint, Paint{ZavelTokens::dimNumeral});
  }
}

TEST_F(ClockFaces, ColumnNamesTheZoneAtItsFootLocalOnlyForTheDevicesOwn) {
  struct Case {
    const char *zone = "";
    std::string texts;
  };
  const Case cases[] = {
      {.zone = "Europe/Berlin", .texts = "01 | 05 | GMT+1 — LOCAL"},
      {.zone = "Europe/Paris", .texts = "01 | 05 | GMT+1 — PARIS"},
      {.zone = "UTC", .texts = "12 | 05 | GMT+0 — UTC"},
  };
  useClock(12);
  const double u = largeWidget.u();
  for (const Case &c : cases) {
    LaidOutTree tree = layReal(
        ClockColumnView{at("00:05:00"), zone(c.zone), largeWidget.context()}.body(), largeWidget);
    EXPECT_EQ(texts(tree), c.texts);
    std::vector<const LaidOutNode *> lines = tree.root.findAll("Text");
    EXPECT_EQ(run(*lines.at(1)).paint, Paint{accent});
    EXPECT_NEAR(lines.at(2)->frame.maxY(), screenOf(tree).maxY() - 36 * u, 1e-9);
  }
}

TEST_F(ClockFaces, WorldStripShowsUpToThreeCitiesDayFromSixToEightOnlyTheFirstAccented) {
  struct Case {
    const char *name = "";
    const char *date = "";
    std::vector<const char *> zones = {"Asia/Kolkata"};
    std::string texts;
  };
  const Case cases[] = {
      {.name = "05:59", .date = "00:29:00", .texts = "KOL | 05:59 | NIGHT"},
      {.name = "06:00", .date = "00:30:00", .texts = "KOL | 06:00 | DAY"},
      {.name = "19:59", .date = "14:29:00", .texts = "KOL | 07:59 | DAY"},
      {.name = "20:00", .date = "14:30:00", .texts = "KOL | 08:00 | NIGHT"},
      {.name = "one zone twice, a fourth cut",
       .date = "00:30:00",
       .zones = {"Asia/Tokyo", "Asia/Tokyo", "Asia/Kolkata", "Europe/London"},
       .texts = "TYO | 09:30 | DAY | TYO | 09:30 | DAY | KOL | 06:00 | DAY"},
  };
  useClock(12);
  for (const Case &c : cases) {
    std::vector<TimeZone> zones;
    for (const char *identifier : c.zones)
      zones.push_back(zone(identifier));
    LaidOutTree tree = layReal(
        ClockWorldStripView{at(c.date), zones, mediumWidget.context()}.body(), mediumWidget);
    EXPECT_EQ(texts(tree), c.texts) << c.name;
    std::vector<const LaidOutNode *> labels = tree.root.findAll("Text");
    for (std::size_t i = 0; i < labels.size(); i += 3)
      EXPECT_EQ(run(*labels[i]).paint, Paint{i == 0 ? accent : ZavelTokens::screenText3}) << i;
  }
}

TEST_F(ClockFaces, DualSplitsHomeAndAwayByAHairlineNeverUnderAPoint) {
  struct Case {
    const char *name = "";
    WidgetFrame widget;
    const char *date = "";
    const char *away = "Australia/Sydney";
    std::string texts;
    double divider = 1;
  };
  const Case cases[] = {
      {.name = "Sydney in January",
       .widget = mediumWidget,
       .date = "01:00:00",
       .texts = "HOME | 02:00 | GMT+1 — NIGHT | AWAY | 12:00 | GMT+11 — DAY"},
      {.name = "Sydney in July, two points a unit",
       .widget = {ZavelSize::m, {1240, 600}},
       .date = "2025-07-15T02:00:00Z",
       .texts = "HOME | 04:00 | GMT+2 — NIGHT | AWAY | 12:00 | GMT+10 — DAY",
       .divider = 2},
      {.name = "one zone twice",
       .widget = mediumWidget,
       .date = "01:00:00",
       .away = "Europe/Berlin",
       .texts = "HOME | 02:00 | GMT+1 — NIGHT | AWAY | 02:00 | GMT+1 — NIGHT"},
  };
  for (const Case &c : cases) {
    double u = c.widget.u();
    LaidOutTree tree = layReal(ClockDualView{at(c.date), zone("Europe/Berlin"), zone(c.away),
                                             "Home", "Away", c.widget.context()}
                                   .body(),
                               c.widget);
    EXPECT_EQ(texts(tree), c.texts) << c.name;
    Rect screen = screenOf(tree), divider = tree.root.findAll("Rectangle").at(0)->frame;
    expectRectNear(divider,
                   {{screen.midX() - c.divider / 2, screen.minY() + 40 * u},
                    {c.divider, screen.size.height - 80 * u}},
                   c.name);
    EXPECT_NEAR(textNode(tree, "AWAY").frame.minX(), divider.maxX() + 34 * u, 1e-9) << c.name;
  }
}

} // namespace
} // namespace zavel
