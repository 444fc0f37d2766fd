#include "Shared/Data/PowerSource/PowerLog.h"
#include "Shared/Data/SharedSuite.h"

#include "LogMessages.h"

#include "support/FakeMachine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using kit::foundation::Calendar;
using kit::foundation::Date;
using kit::foundation::TimeZone;
using power_test::messagesOf;
using zavel::PowerLog::Stored;
using zavel::PowerSource::InternalBattery;
using zavel::test::FakeMachine;
using LogEntry = zavel::PowerSnapshot::LogEntry;

namespace {

const Calendar oslo = Calendar::gregorian(*TimeZone::named("Europe/Oslo"));

// 2024-03-12 14:00 in Oslo.
const Date afternoon = oslo.date(2024, 3, 12, 14, 0);

// The moment `seconds` before the afternoon.
Date ago(double seconds) { return afternoon.addingTimeInterval(-seconds); }

InternalBattery battery(int64_t percent, bool charging, bool plugged,
                        std::optional<std::string> remaining = std::nullopt) {
  return {.percent = percent,
          .isCharging = charging,
          .remaining = std::move(remaining),
          .onExternalPower = plugged};
}

Stored lastState(int64_t percent, bool charging, std::optional<bool> plugged, Date at,
                 std::vector<LogEntry> events = {}) {
  events.push_back({at, std::to_string(percent) + "%", true});
  return {.entries = std::move(events),
          .lastPercent = percent,
          .lastCharging = charging,
          .lastAt = at,
          .lastOnExternalPower = plugged};
}

struct LogMachine : FakeMachine {
  LogMachine() { now = afternoon; }

  void store(const Stored &stored) const {
    zavel::SharedSuite::write(zavel::PowerLog::key, stored, home());
  }
  std::optional<Stored> stored() const {
    return zavel::SharedSuite::read<Stored>(zavel::PowerLog::key, home());
  }
  std::vector<LogEntry> record(const std::optional<InternalBattery> &current) const {
    return zavel::PowerLog::record(current, {.root = root(), .home = home(), .clock = clock()},
                                   oslo);
  }
};

} // namespace

TEST(PowerLog, EventsBetweenTheStoredStateAndThePresentOne) {
  const double hour = 3600;
  struct Case {
    const char *name;
    Stored last;
    InternalBattery current;
    std::vector<std::string> messages;
  } cases[] = {
      {"unplugged after two hours",
       lastState(90, true, true, ago(2 * hour)),
       battery(80, false, false),
       {"Disconnected · Drain 5%/h", "80%"}},
      {"drain of 2.5 rounds up",
       lastState(85, true, true, ago(2 * hour)),
       battery(80, false, false, "3H 0M"),
       {"Disconnected · Drain 3%/h", "80% · 3H 0M remaining"}},
      {"charge went up: no negative drain",
       lastState(90, true, true, ago(hour)),
       battery(92, false, false),
       {"Disconnected · Drain 0%/h", "92%"}},
      {"unplugged after ten minutes",
       lastState(90, true, true, ago(600)),
       battery(89, false, false),
       {"Disconnected from power", "89%"}},
      {"plugged in",
       lastState(40, false, false, ago(hour)),
       battery(41, true, true),
       {"Connected to power", "41%"}},
      {"reached full while charging",
       lastState(99, true, true, ago(600)),
       battery(100, true, true),
       {"Fully charged at 100%", "100%"}},
      {"full on the charger is still connected",
       lastState(99, true, true, ago(600)),
       battery(100, false, true),
       {"Fully charged at 100%", "100%"}},
      {"stays full on the charger",
       lastState(100, false, true, ago(600)),
       battery(100, false, true),
       {"100%"}},
      {"plugged in full",
       lastState(100, false, false, ago(600)),
       battery(100, false, true),
       {"Connected to power", "100%"}},
      {"unplugged from full",
       lastState(100, false, true, ago(2 * hour)),
       battery(96, false, false),
       {"Disconnected · Drain 2%/h", "96%"}},
      {"log without the power flag: charging stands in",
       lastState(90, true, std::nullopt, ago(2 * hour)),
       battery(80, false, false),
       {"Disconnected · Drain 5%/h", "80%"}},
      {"log without the power flag, now plugged",
       lastState(90, false, std::nullopt, ago(60)),
       battery(90, false, true),
       {"Connected to power", "90%"}},
      {"absurd stored charge saturates",
       lastState(9'000'000'000'000'000'000, true, true, ago(0.21 * hour)),
       battery(80, false, false),
       {"Disconnected · Drain 9223372036854775807%/h", "80%"}},
  };
  for (const auto &c : cases) {
    LogMachine machine;
    machine.store(c.last);
    auto log = machine.record(c.current);
    EXPECT_EQ(messagesOf(log), c.messages) << c.name;
    for (size_t i = 0; i < log.size(); ++i) {
      EXPECT_EQ(log[i].time, afternoon) << c.name;
      EXPECT_EQ(log[i].isCurrent, i + 1 == log.size()) << c.name;
    }
    EXPECT_EQ(machine.stored(), (Stored{.entries = log,
                                        .lastPercent = c.current.percent,
                                        .lastCharging = c.current.isCharging,
                                        .lastAt = afternoon,
                                        .lastOnExternalPower = c.current.onExternalPower}))
        << c.name;
  }
}

TEST(PowerLog, KeepsTheLastSixEventsAndReplacesThePresentLine) {
  LogMachine machine;
  std::vector<LogEntry> events;
  for (int i = 0; i < 6; ++i)
    events.push_back({ago(3600 - i * 60), "event " + std::to_string(i), false});
  machine.store(lastState(50, false, false, ago(60), events));
  auto log = machine.record(battery(51, true, true));
  EXPECT_EQ(messagesOf(log), (std::vector<std::string>{"event 1", "event 2", "event 3", "event 4",
                                                       "event 5", "Connected to power", "51%"}));
}

TEST(PowerLog, FirstSnapshotOfADayStartsAfresh) {
  // 23:30 in Oslo, then 00:10 the next day: a new day there, though not in UTC.
  Date lateEvening = oslo.date(2024, 3, 12, 23, 30);
  Date afterMidnight = oslo.date(2024, 3, 13, 0, 10);
  std::vector<LogEntry> events{
      {lateEvening.addingTimeInterval(-3600), "Connected to power", false}};
  LogMachine machine;
  machine.now = afterMidnight;
  machine.store(lastState(70, true, true, lateEvening, events));
  auto log = machine.record(battery(60, false, false));
  EXPECT_EQ(log, (std::vector<LogEntry>{{afterMidnight, "60%", true}}));
  // Within the new day the events count again.
  machine.now = afterMidnight.addingTimeInterval(3600);
  EXPECT_EQ(messagesOf(machine.record(battery(61, true, true))),
            (std::vector<std::string>{"Connected to power", "61%"}));

  LogMachine utcMachine;
  utcMachine.now = afterMidnight;
  utcMachine.store(lastState(70, true, true, lateEvening, events));
  auto sameUtcDay = zavel::PowerLog::record(
      battery(60, false, false),
      {.root = utcMachine.root(), .home = utcMachine.home(), .clock = utcMachine.clock()},
      Calendar::gregorian(TimeZone::utc()));
  EXPECT_EQ(messagesOf(sameUtcDay),
            (std::vector<std::string>{"Connected to power", "Disconnected · Drain 15%/h", "60%"}));
}

TEST(PowerLog, UnreadableOrEmptyStoredLogs) {
  LogMachine machine;
  zavel::SharedSuite::writeData(zavel::PowerLog::key, R"({"entries":[],"lastPercent":"x"})",
                                machine.home());
  EXPECT_EQ(messagesOf(machine.record(battery(50, true, true))), std::vector<std::string>{"50%"});
  // A stored log without entries stays in use whatever its dates.
  machine.store(Stored{.entries = {},
                       .lastPercent = 50,
                       .lastCharging = true,
                       .lastAt = ago(86400 * 3),
                       .lastOnExternalPower = true});
  EXPECT_EQ(messagesOf(machine.record(battery(20, false, false))),
            (std::vector<std::string>{"Disconnected · Drain 0%/h", "20%"}));
}

TEST(PowerLog, NoBatteryNeitherReadsNorWrites) {
  LogMachine machine;
  auto last = lastState(50, true, true, ago(600));
  machine.store(last);
  EXPECT_TRUE(machine.record(std::nullopt).empty());
  EXPECT_EQ(machine.stored(), last);
}

TEST(PowerLog, StoredFormReadsWithAndWithoutThePowerFlag) {
  auto old = kit::foundation::decodeJsonData<Stored>(
      R"({"entries":[{"time":700000000,"message":"68%","isCurrent":true}],
          "lastPercent":68,"lastCharging":false,"lastAt":700000000})");
  ASSERT_TRUE(old);
  EXPECT_EQ(old->lastOnExternalPower, std::nullopt);
  EXPECT_EQ(old->entries, (std::vector<LogEntry>{{Date{700000000}, "68%", true}}));
  auto written = kit::foundation::encodeJsonData(lastState(68, false, true, Date{700000000}));
  ASSERT_TRUE(written);
  EXPECT_EQ(*kit::foundation::parseJson(*written),
            *kit::foundation::parseJson(
                R"({"entries":[{"time":700000000,"message":"68%","isCurrent":true}],
                    "lastPercent":68,"lastCharging":false,"lastAt":700000000,
                    "lastOnExternalPower":true})"));
}
