#include "Shared/Data/Models/UsageSnapshot.h"

#include "support/BuiltOnce.h"
#include "support/RecordForm.h"

#include <gtest/gtest.h>

using namespace kit::foundation;
using zavel::UsageSnapshot;

TEST(UsageSnapshot, JsonFormAsTheHostWritesIt) {
  zavel::test::expectJsonForm<UsageSnapshot>(
      R"({"totalMinutes":106,"budgetMinutes":180,
          "apps":[{"name":"Figma","minutes":60,"isFlagged":false},
                  {"name":"Mail","minutes":15,"isFlagged":true}],
          "week":[{"label":"Tue","minutes":0,"isToday":false,"isPeak":false},
                  {"label":"Wed","minutes":106,"isToday":true,"isPeak":true}]})",
      {106,
       180,
       {{"Figma", 60, false}, {"Mail", 15, true}},
       {{"Tue", 0, false, false}, {"Wed", 106, true, true}}},
      {});
}

TEST(UsageSnapshot, BadAppOrDayMakesTheSnapshotUnreadable) {
  const char *texts[] = {
      R"({"totalMinutes":1,"budgetMinutes":180,"apps":[{"name":"A","minutes":1.5,
          "isFlagged":false}],"week":[]})",
      R"({"totalMinutes":1,"budgetMinutes":180,"apps":[],"week":[{"label":"Tue",
          "minutes":1,"isToday":true}]})",
      R"({"totalMinutes":9223372036854775808,"budgetMinutes":180,"apps":[],"week":[]})",
  };
  for (const char *text : texts)
    EXPECT_FALSE(decodeJsonData<UsageSnapshot>(text)) << text;
}

TEST(UsageSnapshot, SampleIsThePreviewWeekBuiltOnce) {
  zavel::test::expectBuiltOnceAndShared(UsageSnapshot::sample);
  const auto &sample = UsageSnapshot::sample();
  EXPECT_EQ(sample.totalMinutes, 204);
  EXPECT_EQ(sample.budgetMinutes, 180);
  EXPECT_EQ(sample.apps, (std::vector<UsageSnapshot::App>{
                             {"Figma", 72, false}, {"Safari", 47, false}, {"Messages", 36, true}}));
  EXPECT_EQ(sample.week, (std::vector<UsageSnapshot::Day>{{"Thu", 250, false, false},
                                                          {"Fri", 200, false, false},
                                                          {"Sat", 300, false, false},
                                                          {"Sun", 150, false, false},
                                                          {"Mon", 250, false, false},
                                                          {"Tue", 350, false, true},
                                                          {"Wed", 204, true, false}}));
}
