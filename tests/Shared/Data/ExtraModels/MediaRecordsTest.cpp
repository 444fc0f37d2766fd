#include "Shared/Data/ExtraModels/AirQualitySnapshot.h"
#include "Shared/Data/ExtraModels/InboxSnapshot.h"
#include "Shared/Data/ExtraModels/NowPlayingSnapshot.h"
#include "Shared/Data/ExtraModels/StockSnapshot.h"

#include "kit/foundation/Clock.h"
#include "support/RecordCoding.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kit::foundation;
using namespace zavel;
using namespace zavel::test;

namespace {

constexpr int64_t kMaxInt = std::numeric_limits<int64_t>::max();
constexpr int64_t kMinInt = std::numeric_limits<int64_t>::min();

const char *kNowPlaying = R"({"updated":760000000.25,"isPlaying":true,"durationSeconds":245,
  "positionSeconds":192.0,"artist":"The Night Ferries","title":"Harbour Lights","volume":0.4})";
const char *kInbox = R"({"unread":12,"connected":true,"updated":760000000,
  "latestPreview":"Ines — Proofs\nTomas — Booking","latestDate":759999000.5})";
const char *kStock = R"({"symbol":"MSFT","price":411,"changePercent":0.35,"updated":-20.5,
  "points":[{"value":409.5,"label":"10AM"},{"value":410},{"value":411.25,"label":null}]})";
const char *kAirQuality = R"({"aqi":57,"updated":760000000})";

} // namespace

TEST(MediaRecords, HostJsonReadsAndRecordsWriteTheirMembers) {
  expectJsonForm(
      kNowPlaying,
      NowPlayingSnapshot{"Harbour Lights", "The Night Ferries", 192, 245, true, Date{760000000.25}},
      R"({"title":"Harbour Lights","artist":"The Night Ferries","positionSeconds":192,
                     "durationSeconds":245,"isPlaying":true,"updated":760000000.25})");
  expectJsonForm(
      kInbox,
      InboxSnapshot{12, "Ines — Proofs\nTomas — Booking", Date{759999000.5}, true, Date{760000000}},
      R"({"unread":12,"latestPreview":"Ines — Proofs\nTomas — Booking",
                     "latestDate":759999000.5,"connected":true,"updated":760000000.0})");
  expectJsonForm(R"({"unread":0,"connected":false,"updated":1,"latestPreview":null})",
                 InboxSnapshot{0, std::nullopt, std::nullopt, false, Date{1}},
                 R"({"unread":0,"connected":false,"updated":1.0})");
  expectJsonForm(kStock,
                 StockSnapshot{"MSFT",
                               411,
                               0.35,
                               {{409.5, "10AM"}, {410, std::nullopt}, {411.25, std::nullopt}},
                               Date{-20.5}},
                 R"({"symbol":"MSFT","price":411.0,"changePercent":0.35,"updated":-20.5,
                     "points":[{"value":409.5,"label":"10AM"},{"value":410.0},{"value":411.25}]})");
  expectJsonForm(R"({"symbol":"X","price":1,"changePercent":0,"points":[],"updated":0})",
                 StockSnapshot{"X", 1, 0, {}, Date{0}},
                 R"({"symbol":"X","price":1.0,"changePercent":0.0,"points":[],"updated":0.0})");
  expectJsonForm(kAirQuality, AirQualitySnapshot{57, Date{760000000}},
                 R"({"aqi":57,"updated":760000000.0})");
}

TEST(MediaRecords, AMissingOrMistypedRequiredMemberMakesTheRecordUnreadable) {
  expectEachChangeRejected<NowPlayingSnapshot>(
      kNowPlaying,
      {removed("title"), removed("artist"), removed("positionSeconds"), removed("durationSeconds"),
       removed("isPlaying"), removed("updated"), replaced("title", nullptr), replaced("artist", 7),
       replaced("positionSeconds", 2.5), replaced("positionSeconds", "192"),
       replaced("durationSeconds", 9223372036854775808.0), replaced("isPlaying", 1),
       replaced("updated", "2024-01-01T00:00:00Z")});
  expectEachChangeRejected<InboxSnapshot>(
      kInbox, {removed("unread"), removed("connected"), removed("updated"),
               replaced("unread", true), replaced("connected", "yes"), replaced("latestPreview", 3),
               replaced("latestDate", "yesterday")});
  expectEachChangeRejected<StockSnapshot>(
      kStock, {removed("symbol"), removed("price"), removed("changePercent"), removed("points"),
               removed("updated"), replaced("price", "411"), replaced("points", nullptr),
               replaced("points", Json::parse(R"([{"value":1},{"label":"2PM"}])")),
               replaced("points", Json::parse(R"([{"value":1,"label":4}])"))});
  expectEachChangeRejected<AirQualitySnapshot>(
      kAirQuality, {removed("aqi"), removed("updated"), replaced("aqi", 42.5),
                    replaced("aqi", "42"), replaced("updated", nullptr)});
}

TEST(MediaRecords, NumbersThatAreNotFiniteCannotBeWritten) {
  double nan = std::numeric_limits<double>::quiet_NaN();
  double infinity = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(encodeJsonData(StockSnapshot{"X", nan, 0, {}, Date{}}));
  EXPECT_FALSE(encodeJsonData(StockSnapshot{"X", 1, infinity, {}, Date{}}));
  EXPECT_FALSE(encodeJsonData(
      StockSnapshot{"X", 1, 0, {{1, std::nullopt}, {-infinity, std::nullopt}}, Date{}}));
}

TEST(NowPlayingSnapshot, TrackIntervalRunsFromTheTrackStartOverItsLength) {
  const Date updated{1000};
  using Interval = NowPlayingSnapshot::Interval;
  struct Case {
    int64_t position;
    int64_t duration;
    std::optional<Interval> interval;
  } cases[] = {
      {0, 0, std::nullopt},
      {30, -1, std::nullopt},
      {kMaxInt, kMinInt, std::nullopt},
      {0, 1, Interval{Date{1000}, Date{1001}}},
      {192, 245, Interval{Date{808}, Date{1053}}},
      {300, 245, Interval{Date{700}, Date{945}}}, // past its end: still the track's length
      {-10, 60, Interval{Date{1010}, Date{1070}}},
      // So far back that the length is lost in the date's precision: no span at all.
      {kMaxInt, 245, std::nullopt},
  };
  for (const auto &c : cases) {
    NowPlayingSnapshot snapshot{"T", "A", c.position, c.duration, true, updated};
    EXPECT_EQ(snapshot.trackInterval(), c.interval) << c.position << " " << c.duration;
  }
}

TEST(AirQualitySnapshot, CategoryIsTheBandOfTheIndex) {
  struct Case {
    int64_t aqi;
    const char *category;
  } cases[] = {
      {kMinInt, "Good"},
      {-5, "Good"},
      {0, "Good"},
      {50, "Good"},
      {51, "Moderate"},
      {100, "Moderate"},
      {101, "Unhealthy for some"},
      {150, "Unhealthy for some"},
      {151, "Unhealthy"},
      {200, "Unhealthy"},
      {201, "Very unhealthy"},
      {300, "Very unhealthy"},
      {301, "Hazardous"},
      {kMaxInt, "Hazardous"},
  };
  for (const auto &c : cases)
    EXPECT_EQ((AirQualitySnapshot{c.aqi, Date{}}.category()), c.category) << c.aqi;
}

TEST(MediaRecords, SamplesAreBuiltOnceWithTheirValues) {
  const auto &nowPlaying = NowPlayingSnapshot::sample();
  EXPECT_EQ(&nowPlaying, &NowPlayingSnapshot::sample());
  EXPECT_FALSE(nowPlaying.title.empty());
  EXPECT_FALSE(nowPlaying.artist.empty());
  EXPECT_EQ(nowPlaying.positionSeconds, 192);
  EXPECT_EQ(nowPlaying.durationSeconds, 245);
  EXPECT_TRUE(nowPlaying.isPlaying);
  EXPECT_LE(nowPlaying.updated, systemNow());

  const auto &inbox = InboxSnapshot::zavelSample();
  EXPECT_EQ(&inbox, &InboxSnapshot::zavelSample());
  EXPECT_EQ(inbox.unread, 3);
  ASSERT_TRUE(inbox.latestPreview);
  auto lineBreak = inbox.latestPreview->find('\n');
  ASSERT_NE(lineBreak, std::string::npos);
  EXPECT_NE(inbox.latestPreview->substr(0, lineBreak).find(" — "), std::string::npos);
  EXPECT_NE(inbox.latestPreview->substr(lineBreak + 1).find(" — "), std::string::npos);
  EXPECT_EQ(inbox.latestDate, inbox.updated);
  EXPECT_TRUE(inbox.connected);

  const auto &stock = StockSnapshot::sample();
  EXPECT_EQ(&stock, &StockSnapshot::sample());
  EXPECT_EQ(stock, (StockSnapshot{"AAPL",
                                  243.18,
                                  -1.2,
                                  {{34, "10AM"},
                                   {44, std::nullopt},
                                   {40, "12PM"},
                                   {52, std::nullopt},
                                   {58, "2PM"},
                                   {48, std::nullopt},
                                   {42, "4PM"},
                                   {36, std::nullopt}},
                                  stock.updated}));

  EXPECT_EQ(&AirQualitySnapshot::sample(), &AirQualitySnapshot::sample());
  EXPECT_EQ(AirQualitySnapshot::sample().aqi, 42);
  EXPECT_EQ(AirQualitySnapshot::sample().category(), "Good");
}
