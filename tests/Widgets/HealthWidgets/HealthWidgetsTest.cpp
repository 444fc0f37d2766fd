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

TEST(ZavelHealthBundle, EachIsDrawnOnTheCasingWithoutAScreen) {
  test::TempHome home;
  const kit::widgets::WidgetBundle group = ZavelHealthBundle().body();
  ASSERT_EQ(group.widgets().size(), 8u);
  for (const kit::widgets::AnyWidget &widget : group.widgets()) {
    const kit::widgets::WidgetInfo &info = widget.info();
    LaidOutTree tree = layOut(widget.placeholder(TimelineContext::of(info.family)).view(),
                              kit::widgets::displaySize(info.family),
                              LayoutContext{testing::realTextEngine(), {}});
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
