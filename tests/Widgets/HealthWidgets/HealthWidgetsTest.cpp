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
  struct Listed {
    const char *kind, *type, *name, *description;
    WidgetFamily family = WidgetFamily::systemSmall;
  };
  const std::vector<Listed> expected{
      {.kind = "zavel.battery.ring",
       .type = "BatteryRingWidget",
       .name = "Ring Orb",
       .description = "MacBook charge as a ring."},
      {.kind = "zavel.screentime.orbit",
       .type = "ScreenOrbitWidget",
       .name = "Orbit",
       .description = "Screen time in a dashed orbit; overage burns orange."},
      {.kind = "zavel.screentime.elapsed",
       .type = "ScreenElapsedWidget",
       .name = "Elapsed",
       .description = "Your day budget as a burning grid."},
      {.kind = "zavel.steps",
       .type = "StepsWidget",
       .name = "Steps",
       .description = "Today's steps — tap to log 1,000."},
      {.kind = "zavel.water",
       .type = "WaterWidget",
       .name = "Water",
       .description = "Tap to log a glass."},
      {.kind = "zavel.habits.week",
       .type = "HabitsWidget",
       .name = "Habits",
       .description = "This week's check-ins; tap a row for today.",
       .family = WidgetFamily::systemMedium},
      {.kind = "zavel.screentime.weekly",
       .type = "ScreenWeeklyWidget",
       .name = "Weekly",
       .description = "Seven days of screen time, today in accent.",
       .family = WidgetFamily::systemMedium},
      {.kind = "zavel.screentime.apps",
       .type = "TopAppsWidget",
       .name = "Top Apps",
       .description = "Where the hours actually went.",
       .family = WidgetFamily::systemMedium},
  };
  const kit::widgets::WidgetBundle group = ZavelHealthBundle().body();
  const std::vector<kit::widgets::AnyWidget> &widgets = group.widgets();
  ASSERT_EQ(widgets.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const kit::widgets::WidgetInfo &info = widgets[i].info();
    const Listed &listed = expected[i];
    EXPECT_EQ(std::tuple(info.kind, info.typeName, info.displayName, info.description, info.family),
              std::tuple(listed.kind, listed.type, listed.name, listed.description, listed.family));
    EXPECT_EQ(info.configuration.typeName, "CasingConfigIntent") << listed.kind;
    LaidOutTree tree = layOut(widgets[i].placeholder(TimelineContext::of(info.family)).view(),
                              kit::widgets::displaySize(info.family),
                              LayoutContext{testing::realTextEngine(), {}});
    EXPECT_EQ(tree.widgetURL, std::nullopt) << listed.kind;
    // Drawn on the casing: no device screen.
    EXPECT_TRUE(tree.root
                    .findAll([](const LaidOutNode &node) {
                      const StaticLayer *layer = node.as<StaticLayer>();
                      return layer && layer->key.starts_with("zavel.screen");
                    })
                    .empty())
        << listed.kind;
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
