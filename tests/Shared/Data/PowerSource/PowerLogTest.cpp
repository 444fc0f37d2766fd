#include "Shared/Data/PowerSource/PowerLog.h"

#include "Shared/Data/AppGroup.h"
#include "Shared/Data/SharedSuite.h"
#include "support/CountedBusyWaits.h"
#include "support/FakeMachine.h"
#include "support/Pluck.h"
#include "support/StoreLock.h"

#include <gtest/gtest.h>
#include <utility>

namespace zavel::PowerLog {
namespace {

using kit::foundation::Calendar;
using kit::foundation::Date;
using kit::foundation::TimeZone;
using PowerSource::InternalBattery;
using LogEntry = PowerSnapshot::LogEntry;

const Calendar oslo = Calendar::gregorian(*TimeZone::named("Europe/Oslo"));
const Date afternoon = oslo.date(2024, 3, 12, 14, 0);

// The moment `seconds` before the afternoon.
Date ago(double seconds) { return afternoon.addingTimeInterval(-seconds); }

std::string messages(const std::vector<LogEntry> &log) {
  return test::joined(log, &LogEntry::message, " | ");
}

Stored lastState(int64_t percent, bool charging, std::optional<bool> plugged, Date at,
                 std::vector<LogEntry> events = {}) {
  events.push_back({at, std::to_string(percent) + "%", true});
  return {events, percent, charging, at, plugged};
}

struct LogMachine : test::FakeMachine {
  LogMachine() { now = afternoon; }

  void store(const Stored &stored) const { SharedSuite::write(key, stored, home()); }
  std::optional<Stored> stored() const { return SharedSuite::read<Stored>(key, home()); }
  std::vector<LogEntry> record(const std::optional<InternalBattery> &current,
                               const Calendar &calendar = oslo) const {
    return PowerLog::record(current, {.root = root(), .home = home(), .clock = clock()}, calendar);
  }
};

std::filesystem::path suiteFile(const LogMachine &machine) {
  return machine.home() / "suites" / (std::string(AppGroup::identifier) + ".sqlite3");
}

// The stored state of a snapshot `minutes` before the afternoon.
Stored was(int64_t percent, bool charging, std::optional<bool> plugged, double minutes) {
  return lastState(percent, charging, plugged, ago(minutes * 60));
}

TEST(PowerLog, EventsBetweenTheStoredStateAndThePresentOne) {
  struct Case {
    Stored last;
    InternalBattery current;
    const char *messages;
  } cases[] = {
      {was(85, true, true, 120),
       {80, false, "3H 0M", false}, // 2.5 rounds up
       "Disconnected · Drain 3%/h | 80% · 3H 0M remaining"},
      {was(90, true, true, 60), {92, false, {}, false}, "Disconnected · Drain 0%/h | 92%"},
      {was(90, true, true, 10), {89, false, {}, false}, "Disconnected from power | 89%"},
      {was(40, false, false, 60), {41, true, {}, true}, "Connected to power | 41%"},
      // Full on the charger is still connected, and stays so without more events.
      {was(99, true, true, 10), {100, false, {}, true}, "Fully charged at 100% | 100%"},
      {was(100, false, true, 10), {100, false, {}, true}, "100%"},
      // A log without the power flag: charging stands in for it.
      {was(90, true, std::nullopt, 120), {80, false, {}, false}, "Disconnected · Drain 5%/h | 80%"},
      {was(9'000'000'000'000'000'000, true, true, 12.6),
       {80, false, {}, false},
       "Disconnected · Drain 9223372036854775807%/h | 80%"}, // an absurd charge saturates
  };
  for (const auto &c : cases) {
    LogMachine machine;
    machine.store(c.last);
    auto log = machine.record(c.current);
    EXPECT_EQ(messages(log), c.messages);
    for (size_t i = 0; i < log.size(); ++i)
      EXPECT_EQ(log[i], (LogEntry{afternoon, log[i].message, i + 1 == log.size()})) << c.messages;
    EXPECT_EQ(machine.stored(), (Stored{log, c.current.percent, c.current.isCharging, afternoon,
                                        c.current.onExternalPower}));
  }
}

TEST(PowerLog, KeepsTheLastSixEventsAndReplacesThePresentLine) {
  LogMachine machine;
  std::vector<LogEntry> events;
  for (int i = 0; i < 6; ++i)
    events.push_back({ago(3600 - i * 60), "event " + std::to_string(i), false});
  machine.store(lastState(50, false, false, ago(60), events));
  EXPECT_EQ(messages(machine.record(InternalBattery{51, true, {}, true})),
            "event 1 | event 2 | event 3 | event 4 | event 5 | Connected to power | 51%");
}

TEST(PowerLog, TheFirstSnapshotOfADayInTheCalendarsZoneStartsAfresh) {
  // 23:30 in Oslo, then 00:10 the next day: a new day there, though not in UTC.
  Date lateEvening = oslo.date(2024, 3, 12, 23, 30);
  Date afterMidnight = oslo.date(2024, 3, 13, 0, 10);
  std::vector<LogEntry> events{{lateEvening.addingTimeInterval(-3600), "Connected to power"}};
  for (bool inOslo : {true, false}) {
    LogMachine machine;
    machine.now = afterMidnight;
    machine.store(lastState(70, true, true, lateEvening, events));
    auto log = machine.record(InternalBattery{60, false, {}, false},
                              inOslo ? oslo : Calendar::gregorian(TimeZone::utc()));
    EXPECT_EQ(messages(log),
              inOslo ? "60%" : "Connected to power | Disconnected · Drain 15%/h | 60%");
  }
}

TEST(PowerLog, UnreadableEmptyOrNoLogAndNoBattery) {
  LogMachine machine;
  SharedSuite::writeData(key, R"({"entries":[],"lastPercent":"x"})", machine.home());
  EXPECT_EQ(messages(machine.record(InternalBattery{50, true, {}, true})), "50%");
  // A stored log without entries stays in use whatever its dates.
  machine.store(Stored{{}, 50, true, ago(86400 * 3), true});
  EXPECT_EQ(messages(machine.record(InternalBattery{20, false, {}, false})),
            "Disconnected · Drain 0%/h | 20%");
  // No battery neither reads nor writes.
  auto last = lastState(50, true, true, ago(600));
  machine.store(last);
  EXPECT_TRUE(machine.record(std::nullopt).empty());
  EXPECT_EQ(machine.stored(), last);
}

// Another program stores the connection while this snapshot is on its way: the snapshot waits
// for that write and reads the log only once it is stored, then adds its own event to it, so the
// log keeps one event per change, none lost to the later write.
TEST(PowerLog, ASnapshotBuildsOnTheLogAnotherIsStoringMeanwhile) {
  LogMachine machine;
  machine.store(was(50, false, false, 30));
  test::StoreLock other(suiteFile(machine), test::StoreLock::Kind::writer);
  other.store(std::string(key),
              *kit::foundation::encodeJsonData(
                  lastState(50, true, true, ago(60), {{ago(60), "Connected to power", false}})));
  bool committed = false;
  test::CountedBusyWaits waits([&] {
    if (!std::exchange(committed, true))
      other.commit();
  });
  auto log = machine.record(InternalBattery{49, false, {}, false});
  EXPECT_TRUE(committed) << "the snapshot never waited for the other write";
  EXPECT_EQ(messages(log), "Connected to power | Disconnected from power | 49%");
  EXPECT_EQ(machine.stored().value_or(Stored{}).entries, log);
}

// Another program holds the suite's write lock past the busy timeout (counted, not slept): the
// snapshot shows the log as it would have become, and stores nothing.
TEST(PowerLog, WhileAnotherProgramWritesTheSuiteTheLogShowsAsItWouldHaveBecome) {
  LogMachine machine;
  const Stored before = was(40, false, false, 60);
  machine.store(before);
  {
    test::CountedBusyWaits waits;
    test::StoreLock writer(suiteFile(machine), test::StoreLock::Kind::writer);
    EXPECT_EQ(messages(machine.record(InternalBattery{41, true, {}, true})),
              "Connected to power | 41%");
  }
  EXPECT_EQ(machine.stored(), before);
}

TEST(PowerLog, StoredFormReadsWithAndWithoutThePowerFlag) {
  const std::string entries =
      R"({"entries":[{"time":700000000,"message":"68%","isCurrent":true}],"lastPercent":68,)"
      R"("lastCharging":false,"lastAt":700000000)";
  EXPECT_EQ(kit::foundation::decodeJsonData<Stored>(entries + "}"),
            lastState(68, false, std::nullopt, Date{700000000}));
  auto written = kit::foundation::encodeJsonData(lastState(68, false, true, Date{700000000}));
  EXPECT_EQ(kit::foundation::parseJson(written.value_or("")),
            kit::foundation::parseJson(entries + R"(,"lastOnExternalPower":true})"));
}

} // namespace
} // namespace zavel::PowerLog
