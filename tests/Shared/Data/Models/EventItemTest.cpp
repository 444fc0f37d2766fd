#include "Shared/Data/Models/EventItem.h"

#include "support/BuiltOnce.h"
#include "support/RecordForm.h"

#include <gtest/gtest.h>

using namespace kit::foundation;
using zavel::EventItem;

TEST(EventItem, JsonFormAsTheHostWritesIt) {
  zavel::test::expectJsonForm<EventItem>(
      R"({"id":"E-42","start":"14:00","end":"14:45","title":"Design review",
          "detail":"Studio B · 45 min","isPast":false,"isNext":true})",
      {"E-42", "14:00", "14:45", "Design review", "Studio B · 45 min", false, true},
      {"end", "detail"});
}

TEST(EventItem, DetailIsDoneOrTheLengthAfterTheLocation) {
  Date start{760000000};
  struct Case {
    bool ended;
    double seconds;
    const char *location;
    const char *expected;
  } cases[] = {
      {true, 2700, "Studio B", "Done"},
      {false, 2700, "Studio B", "Studio B · 45 min"},
      {false, 2700, "", "45 min"},
      {false, 89.9, "", "1 min"},
      {false, 0, "", "0 min"},
      // The first 24 characters of a longer location.
      {false, 3600, "Conference room Aurora 12B", "Conference room Aurora 1 · 60 min"},
      // Characters, not bytes: an accented letter and an emoji are one each.
      {false, 1800,
       "Cafe\xCC\x81 \xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB at the corner of Elm",
       "Cafe\xCC\x81 \xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB at the corner of  · 30 min"},
      {false, 1e300, "", "9223372036854775807 min"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(
        EventItem::detailText(c.ended, start, start.addingTimeInterval(c.seconds), c.location),
        c.expected)
        << c.location << " " << c.seconds;
}

TEST(EventItem, SamplesAreTheThreePreviewEventsBuiltOnce) {
  zavel::test::expectBuiltOnceAndShared(EventItem::samples);
  const auto &samples = EventItem::samples();
  ASSERT_EQ(samples.size(), 3u);
  EXPECT_EQ(samples[0],
            (EventItem{"1", "09:30", std::nullopt, "Standup · widgets team", "Done", true, false}));
  EXPECT_EQ(samples[1], (EventItem{"2", "14:00", "14:45", "Design review · Zavel 1.2",
                                   "Studio B · 45 min", false, false}));
  EXPECT_EQ(samples[2].id, "3");
  EXPECT_EQ(samples[2].start, "17:00");
  EXPECT_EQ(samples[2].end, "17:30");
  EXPECT_EQ(samples[2].detail, "FaceTime · 30 min");
  EXPECT_TRUE(samples[2].isNext && !samples[2].isPast);
}
