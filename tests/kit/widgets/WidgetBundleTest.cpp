#include "TestWidgets.h"

#include "kit/foundation/Iso8601.h"
#include "kit/foundation/notifications/NotificationRecorder.h"
#include "kit/ui/HitTest.h"
#include "kit/ui/LayoutTesting.h"
#include "kit/widgets/ButtonPress.h"
#include "kit/widgets/WidgetBundle.h"

#include <gtest/gtest.h>

namespace kit::widgets {
namespace {

using foundation::DecodeError;
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
  const WidgetInfo &list = bundle.widgets()[0].info();
  EXPECT_EQ(list.kind, "test.brew.list");
  EXPECT_EQ(list.family, WidgetFamily::systemMedium);
  EXPECT_EQ(list.configuration, intents::describeIntent<testing::BrewConfigIntent>());
  EXPECT_EQ(&widget(bundle, "test.brew.single"), &bundle.widgets()[1]);
  EXPECT_EQ(bundle.widget("test.brew"), nullptr);
  // The group's intent is reached; both widgets use the café entity, listed once.
  ASSERT_EQ(bundle.intents().intents().size(), 1u);
  EXPECT_EQ(bundle.intents().intents()[0].typeName, "RefillIntent");
  EXPECT_EQ(bundle.intents().entityTypeNames(), std::vector<std::string>{"CafeEntity"});
}

TEST(AnyWidget, TimelineFromAConfigurationInJsonWithDefaults) {
  WidgetBundle bundle = brewBundle();
  const AnyWidget &list = widget(bundle, "test.brew.list");
  ConfiguredWidget configured = list.configure(Json::parse(R"({"cups": 3, "roast": "Dark"})"));
  AnyTimeline timeline = configured.timeline(TimelineContext::of(list.info().family));

  ASSERT_EQ(timeline.entries.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(timeline.entries[i].date(), kFirstBrew.addingTimeInterval(600.0 * i));
    Json json = timeline.entries[i].json();
    EXPECT_EQ(json["cup"], i);
    EXPECT_EQ(json["label"], "Morning medium");
    EXPECT_EQ(json["roast"], "medium"); // "Dark" is no raw value: the default stays
  }
  EXPECT_EQ(timeline.policy, ReloadPolicy::after(kFirstBrew.addingTimeInterval(1800)));
  EXPECT_EQ(configured.configurationJson()["cups"], 3);
  EXPECT_EQ(configured.configurationJson()["label"], "Morning");
}

TEST(AnyWidget, SnapshotAndPlaceholderHearTheContext) {
  WidgetBundle bundle = brewBundle();
  const AnyWidget &list = widget(bundle, "test.brew.list");
  auto start = *foundation::dateFromIso8601("2025-06-01T07:00:00Z");
  ConfiguredWidget configured = list.configure(
      Json{{"label", "Gallery"}, {"start", "2025-06-01T07:00:00Z"}, {"decaf", true}});

  AnyEntry preview = configured.snapshot(TimelineContext::of(WidgetFamily::systemMedium, true));
  EXPECT_EQ(preview.date(), start);
  EXPECT_EQ(preview.json()["label"], "Gallery preview medium");
  EXPECT_EQ(configured.timeline(TimelineContext::of(WidgetFamily::systemLarge)).policy,
            ReloadPolicy::never());

  AnyEntry placeholder = list.placeholder(TimelineContext::of(WidgetFamily::systemSmall));
  EXPECT_EQ(placeholder.date(), kFirstBrew);
  EXPECT_EQ(placeholder.json()["label"], "placeholder small");
}

TEST(ButtonPress, KeyPerformsItsIntentThenReloadsThePressedKindAndAFailedOneNothing) {
  WidgetBundle bundle = brewBundle();
  const AnyWidget &list = widget(bundle, "test.brew.list");
  AnyTimeline timeline =
      list.configure(Json{{"cups", 2}}).timeline(TimelineContext::of(list.info().family));
  ui::LaidOutTree tree = ui::testing::lay(timeline.entries[1].view(), {364, 170});
  const ui::LaidOutNode *key = ui::hitTest(tree, {20, 20});
  ASSERT_NE(key, nullptr);
  const ui::ButtonTarget *button = key->as<ui::ButtonTarget>();
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
  EXPECT_THROW(
      performButtonIntent(bundle.intents(), {"RefillIntent", {{"cups", 1.5}}}, list.kind()),
      DecodeError);
  EXPECT_EQ(reloads.kinds().size(), 3u);
}

} // namespace
} // namespace kit::widgets
