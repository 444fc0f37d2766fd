#include "Shared/Data/WidgetIntents/CompleteReminderIntent.h"
#include "Shared/Data/WidgetIntents/AgendaIntents.h"

#include "../EventSync/AgendaHome.h"

#include "kit/events/EventStore.h"
#include "kit/widgets/ButtonPress.h"
#include "kit/widgets/WidgetCenter.h"

#include <gtest/gtest.h>

using agenda_test::AgendaHome;
using agenda_test::todo;
using kit::intents::IntentRegistry;
using zavel::ToggleReminderIntent;

namespace {

bool isCompleted(const AgendaHome &home, const char *id) {
  return kit::events::EventStore(home.calendars(), "Europe/Oslo").reminder(id)->completed;
}

} // namespace

TEST(CompleteReminderIntent, DescribedWithItsOneParameter) {
  IntentRegistry registry;
  zavel::addAgendaIntents(registry);
  const auto *description = registry.intent("ToggleReminderIntent");
  ASSERT_TRUE(description);
  EXPECT_EQ(description->title, "Complete Reminder");
  ASSERT_EQ(description->parameters.size(), 1u);
  EXPECT_EQ(description->parameters[0].name, "reminderID");
  EXPECT_EQ(description->parameters[0].title, "Reminder ID");
  EXPECT_EQ(description->parameters[0].defaultValue, "");
}

TEST(CompleteReminderIntent, PressingTheKeyTogglesAndReloadsOnlyThePressedWidget) {
  AgendaHome home; // the intent works on ZAVEL_HOME and the system clock
  home.add("inbox", "call.ics", todo("call", "DUE;TZID=Europe/Oslo:20240312T170000"));
  IntentRegistry registry;
  zavel::addAgendaIntents(registry);
  kit::widgets::ReloadRecorder reloads;
  auto key = kit::intents::intentReference(ToggleReminderIntent{.reminderID = "inbox/call"});

  kit::widgets::performButtonIntent(registry, key, "zavel.reminders.list");
  EXPECT_TRUE(isCompleted(home, "inbox/call"));
  kit::widgets::performButtonIntent(registry, key, "zavel.reminders.single");
  EXPECT_FALSE(isCompleted(home, "inbox/call"));
  EXPECT_EQ(reloads.kinds(),
            (std::vector<std::string>{"zavel.reminders.list", "zavel.reminders.single"}));
}

TEST(CompleteReminderIntent, AnUnknownIdCompletesNormally) {
  AgendaHome home;
  home.add("inbox", "call.ics", todo("call"));
  auto before = home.read("inbox", "call.ics");
  ToggleReminderIntent{}.perform();
  ToggleReminderIntent{.reminderID = "inbox/none"}.perform();
  EXPECT_EQ(home.read("inbox", "call.ics"), before);
  EXPECT_FALSE(isCompleted(home, "inbox/call"));
}
