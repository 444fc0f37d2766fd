#include "Shared/Data/Models/PowerSnapshot.h"

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Clock.h"
#include "support/BuiltOnce.h"
#include "support/RecordForm.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

using namespace kit::foundation;
using zavel::PowerSnapshot;

TEST(PowerSnapshot, JsonFormAsTheHostWritesIt) {
  zavel::test::expectJsonForm<PowerSnapshot>(
      R"({"percent":68,"isCharging":false,"remaining":"2H 40M",
          "devices":[{"name":"MacBook","percent":68},{"name":"Mouse","percent":12}],
          "log":[{"time":760521600,"message":"Fully charged at 100%","isCurrent":false},
                 {"time":760550000.25,"message":"68% · 2H 40M remaining","isCurrent":true}]})",
      {68,
       false,
       "2H 40M",
       {{"MacBook", 68}, {"Mouse", 12}},
       {{Date{760521600}, "Fully charged at 100%", false},
        {Date{760550000.25}, "68% · 2H 40M remaining", true}}},
      {"remaining"});
}

TEST(PowerSnapshot, DeviceAndLogEntryFormsAsStoredOnTheirOwn) {
  zavel::test::expectJsonForm<PowerSnapshot::Device>(R"({"name":"Keyboard","percent":84})",
                                                     {"Keyboard", 84}, {});
  zavel::test::expectJsonForm<PowerSnapshot::LogEntry>(
      R"({"time":-86400.5,"message":"Plugged in","isCurrent":false})",
      {Date{-86400.5}, "Plugged in", false}, {});
  // The host's accessory list: one element without its charge spoils the whole list.
  EXPECT_EQ(decodeJsonData<std::vector<PowerSnapshot::Device>>(
                R"([{"name":"Keyboard","percent":84},{"name":"Mouse","percent":12}])"),
            (std::vector<PowerSnapshot::Device>{{"Keyboard", 84}, {"Mouse", 12}}));
  EXPECT_FALSE(decodeJsonData<std::vector<PowerSnapshot::Device>>(
      R"([{"name":"Keyboard","percent":84},{"name":"Mouse"}])"));
}

TEST(PowerSnapshot, WithoutRemainingTimeRoundTripsWithoutTheMember) {
  PowerSnapshot snapshot{100, true, std::nullopt, {}, {}};
  auto json = *parseJson(*encodeJsonData(snapshot));
  EXPECT_EQ(json, Json::parse(R"({"percent":100,"isCharging":true,"devices":[],"log":[]})"));
  EXPECT_EQ(decodeJsonData<PowerSnapshot>(json.dump()), snapshot);
}

TEST(PowerSnapshot, IdentitiesAreTheDeviceNameAndTheLogTime) {
  PowerSnapshot::Device keyboard{"Keyboard", 84}, sameName{"Keyboard", 3};
  EXPECT_EQ(keyboard.id(), sameName.id());
  PowerSnapshot::LogEntry plugged{Date{100}, "Plugged in", false}, full{Date{100}, "Full", true};
  EXPECT_EQ(plugged.id(), full.id());
}

TEST(PowerSnapshot, SampleIsBuiltOnceWithTodaysLog) {
  zavel::test::ScopedLocaleAndZone scoped("en_GB", "Europe/Berlin");
  zavel::test::expectBuiltOnceAndShared(PowerSnapshot::sample);
  const auto &sample = PowerSnapshot::sample();
  EXPECT_EQ(sample.percent, 68);
  EXPECT_FALSE(sample.isCharging);
  EXPECT_EQ(sample.remaining, "2H 40M");
  EXPECT_EQ(sample.devices,
            (std::vector<PowerSnapshot::Device>{{"MacBook", 68}, {"Keyboard", 84}, {"Mouse", 12}}));
  ASSERT_EQ(sample.log.size(), 3u);
  struct Line {
    int hour;
    int minute;
    const char *message;
    bool isCurrent;
  } lines[] = {
      {7, 40, "Fully charged at 100%", false},
      {8, 15, "Disconnected · Drain 9%/h", false},
      {16, 32, "68% · 2H 40M remaining", true},
  };
  auto calendar = Calendar::current();
  auto day = calendar.startOfDay(sample.log[0].time);
  // Today: the day the sample was built in this process.
  EXPECT_LE(day, systemNow());
  EXPECT_GT(day, systemNow().addingTimeInterval(-2 * 86400));
  for (size_t i = 0; i < 3; ++i) {
    auto parts = calendar.components(sample.log[i].time);
    EXPECT_EQ(calendar.startOfDay(sample.log[i].time), day);
    EXPECT_EQ(std::tuple(parts.hour, parts.minute, parts.second),
              std::tuple(lines[i].hour, lines[i].minute, 0));
    EXPECT_EQ(sample.log[i].message, lines[i].message);
    EXPECT_EQ(sample.log[i].isCurrent, lines[i].isCurrent);
  }
}
