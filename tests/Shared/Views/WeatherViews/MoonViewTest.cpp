#include "Shared/Views/WeatherViews/MoonView.h"
#include "WeatherViewsTesting.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

LaidOutTree layMoon(const MoonInfo &moon) {
  return layReal(MoonView{moon, smallWidget.context()}.body(), smallWidget);
}

TEST(MoonView, ShadowSlidesAcrossTheDiscByTheLitShareCutToTheFace) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double illuminated;
    bool waxing;
    double offset; // design units, the shadow's centre from the face's
  };
  for (const Case &c :
       {Case{0, true, 0}, Case{0.39, true, -18}, Case{0.78, false, 36}, Case{1, false, 114},
        Case{-0.5, true, 0}, Case{1.5, true, -114}, Case{nan, true, 0}}) {
    std::string what = std::to_string(c.illuminated) + (c.waxing ? " waxing" : " waning");
    LaidOutTree tree = layMoon({"Waxing Gibbous", c.illuminated, c.waxing, 6, 21});
    std::vector<const LaidOutNode *> circles = tree.root.findAll("Circle"),
                                     clips = tree.root.findAll("Clip");
    ASSERT_EQ(circles.size(), 2u);
    ASSERT_EQ(clips.size(), 2u); // the screen's, then the disc's
    Rect face = circles[0]->frame, shadow = circles[1]->frame;
    double u = smallWidget.u();
    EXPECT_NEAR(shadow.midX() - face.midX(), c.offset * u, 1e-9) << what;
    EXPECT_NEAR(shadow.midY(), face.midY(), 1e-9) << what;
    expectRectNear(clips[1]->as<ClipEffect>()->path.boundingRect(), face, what);
  }
}

TEST(MoonView, ThePhaseAndTheDaysToTheFullMoonAreNamed) {
  EXPECT_EQ(layMoon(MoonInfo::sample()).root.texts(),
            (std::vector<std::string>{"WAXING GIBBOUS", "FULL IN 6 DAYS"}));
}

} // namespace
} // namespace zavel
