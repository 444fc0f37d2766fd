#include "Shared/Theme/DesignTokens.h"
#include "Widgets/ZavelWidgetsBundle.h"
#include "kit/ui/Layout.h"
#include "kit/ui/UI.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include "Shared/Views/ViewTesting.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using namespace kit::ui;
using kit::widgets::TimelineContext;
using kit::widgets::WidgetFamily;

TEST(ZavelHealthBundle, ListsTheRingScreenTimeCountersAndHabitsInOrderWithoutLinks) {
  test::TempHome home;
  // Kind, type, display name, description and family of each, in gallery order.
  const std::vector<std::string> expected{
      "zavel.battery.ring BatteryRingWidget Ring Orb|MacBook charge as a ring.|small",
      "zavel.screentime.orbit ScreenOrbitWidget Orbit|Screen time in a dashed orbit; overage "
      "burns orange.|small",
      "zavel.screentime.elapsed ScreenElapsedWidget Elapsed|Your day budget as a burning "
      "grid.|small",
      "zavel.steps StepsWidget Steps|Today's steps — tap to log 1,000.|small",
      "zavel.water WaterWidget Water|Tap to log a glass.|small",
      "zavel.habits.week HabitsWidget Habits|This week's check-ins; tap a row for today.|medium",
      "zavel.screentime.weekly ScreenWeeklyWidget Weekly|Seven days of screen time, today in "
      "accent.|medium",
      "zavel.screentime.apps TopAppsWidget Top Apps|Where the hours actually went.|medium",
  };
  const kit::widgets::WidgetBundle group = ZavelHealthBundle().body();
  const std::vector<kit::widgets::AnyWidget> &widgets = group.widgets();
  ASSERT_EQ(widgets.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const kit::widgets::WidgetInfo &info = widgets[i].info();
    std::string family = info.family == WidgetFamily::systemSmall ? "small" : "medium";
    EXPECT_EQ(info.kind + " " + info.typeName + " " + info.displayName + "|" + info.description +
                  "|" + family,
              expected[i]);
    EXPECT_EQ(info.configuration.typeName, "CasingConfigIntent") << info.kind;
    LaidOutTree tree = layOut(widgets[i].placeholder(TimelineContext::of(info.family)).view(),
                              kit::widgets::displaySize(info.family),
                              LayoutContext{testing::realTextEngine(), {}});
    EXPECT_EQ(tree.widgetURL, std::nullopt) << info.kind;
    // Drawn on the casing: no device screen.
    EXPECT_TRUE(tree.root
                    .findAll([](const LaidOutNode &node) {
                      const StaticLayer *layer = node.as<StaticLayer>();
                      return layer && layer->key.starts_with("zavel.screen");
                    })
                    .empty())
        << info.kind;
  }
}

// The gallery's snapshot of a widget in a casing, laid out as the host shows it.
LaidOutTree galleryIn(std::string_view kind, const char *casing) {
  const kit::widgets::WidgetBundle bundle = makeWidgetsBundle();
  const kit::widgets::AnyWidget &widget = *bundle.widget(kind);
  kit::widgets::TimelineContext gallery = TimelineContext::of(widget.info().family, true);
  return layOut(widget.configure({{"casing", casing}}).snapshot(gallery).view(),
                kit::widgets::displaySize(widget.info().family),
                LayoutContext{testing::realTextEngine(), {}});
}

TEST(ZavelHealthBundle, FiguresAndLabelsOnTheCasingTakeItsInkInEitherCasing) {
  test::TempHome home;
  test::ScopedLocaleAndZone english("en_US", "Europe/Oslo");
  struct Case {
    const char *kind, *text;
    bool labelled = false; // coloured as the brightest screen text
  };
  for (const Case &c : {Case{.kind = "zavel.battery.ring", .text = "68%"},
                        Case{.kind = "zavel.screentime.orbit", .text = "3:24"},
                        Case{.kind = "zavel.steps", .text = "8,214"},
                        Case{.kind = "zavel.screentime.weekly", .text = "4h 3m"},
                        Case{.kind = "zavel.screentime.weekly", .text = "WE", .labelled = true},
                        Case{.kind = "zavel.screentime.apps", .text = "FIGMA", .labelled = true},
                        Case{.kind = "zavel.habits.week", .text = "RUN", .labelled = true}}) {
    for (bool cream : {false, true}) {
      Color ink = c.labelled ? (cream ? ZavelTokens::keyInk : ZavelTokens::screenText1)
                             : (cream ? Color::black : Color::white);
      LaidOutTree tree = galleryIn(c.kind, cream ? "cream" : "graphite");
      const LaidOutNode *text = tree.root.findText(c.text);
      ASSERT_TRUE(text) << c.kind << " " << c.text;
      EXPECT_EQ(text->as<TextRun>()->paint, Paint{ink}) << c.kind << " " << c.text << cream;
    }
  }
}

} // namespace
} // namespace zavel
