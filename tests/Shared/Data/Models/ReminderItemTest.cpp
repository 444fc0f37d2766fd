#include "Shared/Data/Models/ReminderItem.h"

#include "support/BuiltOnce.h"
#include "support/RecordForm.h"

#include <gtest/gtest.h>

using namespace kit::foundation;
using zavel::ReminderItem;

TEST(ReminderItem, JsonFormAsTheHostWritesIt) {
  zavel::test::expectJsonForm<ReminderItem>(
      R"({"id":"7F1C2D3E-0000-4000-8000-00000000A1B2","title":"Water the monstera",
          "time":"18:30","done":false,"isUrgent":true})",
      {"7F1C2D3E-0000-4000-8000-00000000A1B2", "Water the monstera", "18:30", false, true},
      {"time"});
}

TEST(ReminderItem, WithoutADueHourHasNoTimeMember) {
  ReminderItem item{"9", "Buy stamps", std::nullopt, false, false};
  EXPECT_EQ(*parseJson(*encodeJsonData(item)),
            Json::parse(R"({"id":"9","title":"Buy stamps","done":false,"isUrgent":false})"));
}

TEST(ReminderItem, UrgentWhenOpenAndDueWithinTwoHours) {
  Date now{760000000};
  struct Case {
    double dueIn;
    bool done;
    bool urgent;
  } cases[] = {
      {119 * 60, false, true}, {7199.5, false, true}, {7200, false, false}, {-3600, false, true},
      {0, false, true},        {600, true, false},    {-3600, true, false},
  };
  for (const auto &c : cases)
    EXPECT_EQ(ReminderItem::isUrgentAt(now.addingTimeInterval(c.dueIn), c.done, now), c.urgent)
        << c.dueIn << (c.done ? " done" : " open");
}

TEST(ReminderItem, SamplesAreTheFivePreviewRemindersBuiltOnce) {
  zavel::test::expectBuiltOnceAndShared(ReminderItem::samples);
  const auto &samples = ReminderItem::samples();
  ASSERT_EQ(samples.size(), 5u);
  EXPECT_EQ(samples[0], (ReminderItem{"1", "Morning run 5K", std::nullopt, true, false}));
  EXPECT_EQ(samples[1], (ReminderItem{"2", "Ship widget beta build", std::nullopt, true, false}));
  EXPECT_EQ(samples[2].id, "3");
  EXPECT_EQ(samples[2].time, "17:00");
  EXPECT_FALSE(samples[2].done || samples[2].isUrgent);
  EXPECT_EQ(samples[3], (ReminderItem{"4", "Water the monstera", "18:30", false, true}));
  EXPECT_EQ(samples[4], (ReminderItem{"5", "Review App Store copy", "21:00", false, false}));
}
