#include "Shared/Data/WidgetIntents/ToggleReminderIntent.h"
#include "Shared/Data/WidgetIntents/AgendaIntents.h"

#include "../EventSync/AgendaHome.h"

#include "kit/events/EventStore.h"
#include "kit/widgets/ButtonPress.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Run as root, a press hands no file to root: the reminder it replaces stays its owner's, in
// its group, with its mode.
TEST(ToggleReminderIntent, APressKeepsTheOwnerGroupAndModeOfTheReminderFile) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "only root may give a file to another user";
  AgendaHome home;
  home.add("inbox", "call.ics", todo("call"));
  auto file = home.calendars() / "inbox/call.ics";
  ASSERT_EQ(::chown(file.c_str(), 1234, 1234), 0);
  ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
  kit::intents::IntentRegistry registry;
  zavel::addAgendaIntents(registry);
  kit::widgets::performButtonIntent(
      registry, {"ToggleReminderIntent", {{"reminderID", "inbox/call"}}}, "zavel.reminders.list");
  ASSERT_TRUE(isCompleted(home, "inbox/call"));
  struct stat status {};
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(std::tuple(status.st_uid, status.st_gid, status.st_mode & 07777),
            std::tuple(1234u, 1234u, 0600u));
}

} // namespace
