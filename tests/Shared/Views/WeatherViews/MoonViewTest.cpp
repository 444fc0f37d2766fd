#include "Shared/Views/WeatherViews/MoonView.h"

#include "Shared/Theme/DesignTokens.h"
#include "SkyViewsTesting.h"
#include "kit/ui/Render.h"
#include "kit/ui/RenderTesting.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

LaidOutTree layMoon(const MoonInfo &moon) {
  return layReal(MoonView{moon, smallWidget.context()}.body(), smallWidget);
}

MoonInfo moonLit(double illuminated, bool waxing) {
  return MoonInfo{"Waxing Gibbous", illuminated, waxing, 6, 21};
}

struct Disc {
  const LaidOutNode *face;
  const LaidOutNode *shadow;
  const LaidOutNode *clip;
};

Disc discOf(const LaidOutTree &tree) {
  std::vector<const LaidOutNode *> circles = nodes(tree, "Circle");
  std::vector<const LaidOutNode *> clips = nodes(tree, "Clip");
  EXPECT_EQ(circles.size(), 2u);
  EXPECT_EQ(clips.size(), 2u); // the screen's, then the disc's
  return {circles.at(0), circles.at(1), clips.at(1)};
}

TEST(MoonView, ShadowSlidesAcrossTheDiscByTheLitShare) {
  struct Case {
    double illuminated;
    bool waxing;
    double offset; // design units, the shadow's centre from the face's
  };
  for (const Case &c : {
           Case{0, true, 0},
           Case{0, false, 0},
           Case{0.39, true, -18},
           Case{0.78, true, -36},
           Case{0.78, false, 36},
           Case{0.89, true, -75},
           Case{1, true, -114},
           Case{1, false, 114},
           Case{-0.5, true, 0},
           Case{1.5, false, 114},
           Case{nan, true, 0},
       }) {
    std::string what = std::to_string(c.illuminated) + (c.waxing ? " waxing" : " waning");
    LaidOutTree tree = layMoon(moonLit(c.illuminated, c.waxing));
    Disc disc = discOf(tree);
    double u = smallWidget.u();
    Rect face = disc.face->frame, shadow = disc.shadow->frame;
    EXPECT_NEAR(face.size.width, 108 * u, 1e-9) << what;
    EXPECT_NEAR(shadow.size.width, 120 * u, 1e-9) << what;
    EXPECT_NEAR(shadow.midX() - face.midX(), c.offset * u, 1e-9) << what;
    EXPECT_NEAR(shadow.midY(), face.midY(), 1e-9) << what;
    EXPECT_EQ(disc.face->as<ShapeDraw>()->paint, Paint{ZavelTokens::moonFace}) << what;
    EXPECT_EQ(disc.shadow->as<ShapeDraw>()->paint, Paint{ZavelTokens::moonShadow}) << what;
    // Both are cut to the face's circle.
    expectRectNear(disc.clip->as<ClipEffect>()->path.boundingRect(), face, what);
  }
}

TEST(MoonView, DiscOverTwoLabelsCentredOnTheScreen) {
  LaidOutTree tree = layMoon(MoonInfo::sample());
  double u = smallWidget.u();
  Rect screen = smallWidget.screen();
  Rect disc = discOf(tree).face->frame;
  Rect phase = textFrame(tree, "WAXING GIBBOUS");
  Rect detail = textFrame(tree, "FULL IN 6 DAYS");
  EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"WAXING GIBBOUS", "FULL IN 6 DAYS"}));

  for (const Rect &row : {disc, phase, detail})
    EXPECT_NEAR(row.midX(), screen.midX(), 1e-9);
  EXPECT_NEAR(phase.minY() - disc.maxY(), 20 * u, 1e-9);
  EXPECT_NEAR(detail.minY() - phase.maxY(), 6 * u, 1e-9);
  EXPECT_NEAR(disc.minY() - screen.minY(), screen.maxY() - detail.maxY(), 1e-9);

  expectMicroLabel(tree, "WAXING GIBBOUS", smallWidget, 11, 0.16, ZavelTokens::screenText1);
  expectMicroLabel(tree, "FULL IN 6 DAYS", smallWidget, 9, 0.14, ZavelTokens::screenText3);
}

TEST(MoonView, CountdownLineFollowsTheRecord) {
  struct Case {
    MoonInfo moon;
    const char *detail;
  };
  for (const Case &c : {
           Case{{"Full Moon", 1, false, 0, 15}, "FULL MOON TONIGHT"},
           Case{{"New Moon", 0, true, 15, 0}, "NEW MOON TONIGHT"},
           Case{{"Waning Crescent", 0.2, false, 20, 4}, "NEW IN 4 DAYS"},
       }) {
    LaidOutTree tree = layMoon(c.moon);
    EXPECT_TRUE(tree.root.findText(c.detail)) << c.detail;
  }
}

TEST(MoonView, LitSideShowsOnTheDrawnDisc) {
  // At scale 2 the disc's centre is at (170, 170) pixels and its radius 54 × u × 2 ≈ 61 pixels.
  auto pixels = [](double illuminated, bool waxing) {
    LaidOutTree tree = layMoon(moonLit(illuminated, waxing));
    return render(tree, RenderOptions{.scale = 2, .clipToWidgetOutline = false});
  };
  Rect disc = discOf(layMoon(moonLit(0, true))).face->frame;
  int cx = static_cast<int>(disc.midX() * 2), cy = static_cast<int>(disc.midY() * 2);
  int edge = static_cast<int>(disc.size.width) - 8; // a few pixels inside the rim

  using kit::ui::testing::near;
  Image full = pixels(1, true);
  EXPECT_TRUE(near(full.pixel(cx, cy), ZavelTokens::moonFace));
  EXPECT_TRUE(near(full.pixel(cx - edge, cy), ZavelTokens::moonFace));
  EXPECT_TRUE(near(full.pixel(cx + edge, cy), ZavelTokens::moonFace));

  Image dark = pixels(0, true);
  EXPECT_TRUE(near(dark.pixel(cx, cy), ZavelTokens::moonShadow));
  EXPECT_TRUE(near(dark.pixel(cx + edge, cy), ZavelTokens::moonShadow));

  // Waxing, lit on the right; waning, on the left.
  Image waxing = pixels(0.78, true);
  EXPECT_TRUE(near(waxing.pixel(cx + edge, cy), ZavelTokens::moonFace));
  EXPECT_TRUE(near(waxing.pixel(cx - edge, cy), ZavelTokens::moonShadow));
  Image waning = pixels(0.78, false);
  EXPECT_TRUE(near(waning.pixel(cx - edge, cy), ZavelTokens::moonFace));
  EXPECT_TRUE(near(waning.pixel(cx + edge, cy), ZavelTokens::moonShadow));
}

} // namespace
} // namespace zavel
