#include "TestWidgets.h"

#include "kit/foundation/notifications/NotificationRecorder.h"
#include "kit/ui/HitTest.h"
#include "kit/ui/LayoutTesting.h"
#include "kit/widgets/ButtonPress.h"
#include "kit/widgets/WidgetBundle.h"

#include <gtest/gtest.h>

namespace kit::widgets {
namespace {

using foundation::Json;
using testing::BrewListWidget;
using testing::BrewSingleWidget;
using testing::kFirstBrew;
using testing::RefillIntent;

WidgetBundle brewBundle() {
  WidgetBundle group;
  group.add<BrewSingleWidget>().addIntent<RefillIntent>();
  WidgetBundle bundle;
  bundle.add<BrewListWidget>().add(group);
  return bundle;
}

const AnyWidget &widget(const WidgetBundle &bundle, std::string_view kind) {
  const AnyWidget *found = bundle.widget(kind);
  if (!found)
    throw std::runtime_error("no widget " + std::string(kind));
  return *found;
}

TEST(WidgetBundle, ListsWidgetsInOrderWithTheirIntentsAndEntitiesOnce) {
  WidgetBundle bundle = brewBundle();
  ASSERT_EQ(bundle.widgets().size(), 2u);
  EXPECT_EQ(bundle.widgets()[0].info().family, WidgetFamily::systemMedium);
  EXPECT_EQ(&widget(bundle, "test.brew.single"), &bundle.widgets()[1]);
  EXPECT_EQ(bundle.widget("test.brew"), nullptr);
  // The group's intent is reached; both widgets use the café entity, listed once.
  EXPECT_NE(bundle.intents().intent("RefillIntent"), nullptr);
  EXPECT_EQ(bundle.intents().entityTypeNames(), std::vector<std::string>{"CafeEntity"});
}

TEST(WidgetBundle, TitledGroupsMarkTheirRunOfWidgets) {
  WidgetBundle group;
  group.add<BrewSingleWidget>().add<BrewListWidget>();
  WidgetBundle bundle;
  bundle.add<BrewListWidget>().add("Singles", group).add("Empty", WidgetBundle());
  EXPECT_EQ(bundle.widgets().size(), 3u);
  EXPECT_EQ(bundle.sections(),
            (std::vector<WidgetBundle::Section>{{.title = "Singles", .begin = 1, .end = 3},
                                                {.title = "Empty", .begin = 3, .end = 3}}));
}

TEST(AnyWidget, TimelineSnapshotAndPlaceholderFromAConfigurationInJson) {
  WidgetBundle bundle = brewBundle();
  const AnyWidget &list = widget(bundle, "test.brew.list");
  ConfiguredWidget configured = list.configure(Json::parse(R"({"cups": 2, "roast": "Dark"})"));
  AnyTimeline timeline = configured.timeline(TimelineContext::of(list.info().family));
  ASSERT_EQ(timeline.entries.size(), 2u);
  EXPECT_EQ(timeline.entries[1].date(), kFirstBrew.addingTimeInterval(600.0));
  // "Dark" is no raw value: the default stays.
  EXPECT_EQ(timeline.entries[1].json().dump(),
            R"({"cup":1,"date":760000600.0,"label":"Morning medium","roast":"medium"})");
  EXPECT_EQ(timeline.policy, ReloadPolicy::after(kFirstBrew.addingTimeInterval(1200)));
  EXPECT_EQ(configured.configurationJson()["cups"], 2);

  ConfiguredWidget decaf = list.configure(Json{{"label", "Gallery"}, {"decaf", true}});
  AnyEntry preview = decaf.snapshot(TimelineContext::of(WidgetFamily::systemMedium, true));
  EXPECT_EQ(preview.json()["label"], "Gallery preview medium");
  EXPECT_EQ(decaf.timeline(TimelineContext::of(WidgetFamily::systemLarge)).policy,
            ReloadPolicy::never());
  EXPECT_EQ(list.placeholder(TimelineContext::of(WidgetFamily::systemSmall)).json()["label"],
            "placeholder small");
}

TEST(ButtonPress, KeyPerformsItsIntentThenReloadsThePressedKindAndAFailedOneNothing) {
  WidgetBundle bundle = brewBundle();
  const AnyWidget &list = widget(bundle, "test.brew.list");
  AnyTimeline timeline =
      list.configure(Json{{"cups", 2}}).timeline(TimelineContext::of(list.info().family));
  ui::LaidOutTree tree = ui::testing::lay(timeline.entries[1].view(), {364, 170});
  const ui::LaidOutNode *key = ui::hitTest(tree, {20, 20});
  const ui::ButtonTarget *button = key ? key->as<ui::ButtonTarget>() : nullptr;
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->intent, (ui::IntentReference{"RefillIntent", {{"cups", 2}}}));

  ReloadRecorder reloads;
  foundation::NotificationRecorder notifications;
  performButtonIntent(bundle.intents(), button->intent, list.kind());
  EXPECT_EQ(reloads.kinds(),
            (std::vector<std::string>{"test.brew.list", "test.brew.single", "test.brew.list"}));
  EXPECT_EQ(notifications.names(), std::vector<std::string>{"test.refill.2"});

  // An intent that cannot be performed reloads nothing.
  EXPECT_THROW(performButtonIntent(bundle.intents(), {"DrainIntent", Json::object()}, list.kind()),
               intents::UnknownIntent);
  EXPECT_EQ(reloads.kinds().size(), 3u);
}

} // namespace
} // namespace kit::widgets
