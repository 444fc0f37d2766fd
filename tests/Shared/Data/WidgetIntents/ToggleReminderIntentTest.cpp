#include "Shared/Data/WidgetIntents/ToggleReminderIntent.h"
#include "Shared/Data/WidgetIntents/AgendaIntents.h"

#include "../EventSync/AgendaHome.h"

#include "kit/events/EventStore.h"
#include "kit/widgets/ButtonPress.h"

#include <gtest/gtest.h>

namespace {

using agenda_test::AgendaHome;
using agenda_test::todo;

bool isCompleted(const AgendaHome &home, const char *id) {
  return kit::events::EventStore(home.calendars(), "Europe/Oslo").reminder(id)->completed;
}

TEST(ToggleReminderIntent, PressingTheKeyTogglesAndReloadsOnlyThePressedWidget) {
  AgendaHome home; // the intent works on ZAVEL_HOME and the system clock
  home.add("inbox", "call.ics", todo("call", "DUE;TZID=Europe/Oslo:20240312T170000"));
  kit::intents::IntentRegistry registry;
  zavel::addAgendaIntents(registry);
  const kit::ui::IntentReference key{"ToggleReminderIntent", {{"reminderID", "inbox/call"}}};
  kit::widgets::performButtonIntent(registry, key, "zavel.reminders.list");
  EXPECT_TRUE(isCompleted(home, "inbox/call"));
  kit::widgets::performButtonIntent(registry, key, "zavel.reminders.single");
  EXPECT_FALSE(isCompleted(home, "inbox/call"));
}

} // namespace
