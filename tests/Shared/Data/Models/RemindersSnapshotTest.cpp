#include "Shared/Data/Models/RemindersSnapshot.h"

#include "support/RecordForm.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kit::foundation;
using zavel::ReminderItem;
using zavel::RemindersSnapshot;

TEST(RemindersSnapshot, JsonFormAsTheHostWritesIt) {
  ReminderItem call{"B2", "Call the studio", "17:00", false, false};
  zavel::test::expectJsonForm<RemindersSnapshot>(
      R"({"items":[{"id":"A1","title":"Morning run","done":true,"isUrgent":false},
                   {"id":"B2","title":"Call the studio","time":"17:00","done":false,
                    "isUrgent":false}],
          "nextUp":{"id":"B2","title":"Call the studio","time":"17:00","done":false,
                    "isUrgent":false},
          "minutesToNext":28})",
      {{{"A1", "Morning run", std::nullopt, true, false}, call}, call, 28},
      {"nextUp", "minutesToNext"});
}

TEST(RemindersSnapshot, WithoutANextReminderWritesNeitherNextMember) {
  RemindersSnapshot snapshot{{{"A1", "Morning run", std::nullopt, true, false}}, {}, {}};
  auto json = *parseJson(*encodeJsonData(snapshot));
  EXPECT_FALSE(json.contains("nextUp"));
  EXPECT_FALSE(json.contains("minutesToNext"));
  EXPECT_EQ(decodeJsonData<RemindersSnapshot>(json.dump()), snapshot);
}

TEST(RemindersSnapshot, OneBadReminderMakesTheWholeSnapshotUnreadable) {
  const char *texts[] = {
      R"({"items":[{"id":"A1","title":"Run","done":true,"isUrgent":false},
                   {"id":"B2","done":false,"isUrgent":false}]})",
      R"({"items":[],"nextUp":{"id":"B2","title":"Call","isUrgent":false}})",
      R"({"items":[{"id":"A1","title":"Run","done":1,"isUrgent":false}]})",
      R"({"items":[],"minutesToNext":2.5})",
      R"({"items":{}})",
  };
  for (const char *text : texts)
    EXPECT_FALSE(decodeJsonData<RemindersSnapshot>(text)) << text;
}

TEST(RemindersSnapshot, MinutesUntilDueAreWholeAndAtLeastOne) {
  Date now{760000000};
  struct Case {
    double dueIn;
    int64_t minutes;
  } cases[] = {
      {30, 1}, {119, 1}, {150, 2}, {61 * 60 + 30, 61}, {1e30, std::numeric_limits<int64_t>::max()},
  };
  for (const auto &c : cases)
    EXPECT_EQ(RemindersSnapshot::minutesUntil(now.addingTimeInterval(c.dueIn), now), c.minutes)
        << c.dueIn;
}
