#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/SystemStats/SystemStats.h"

#include "support/FakeMachine.h"

#include <gtest/gtest.h>

#include <fmt/format.h>

using zavel::SharedSuite::read;
using zavel::SharedSuite::write;
using zavel::SystemStats::cpuPercent;
using zavel::SystemStats::CPUTicks;
using zavel::SystemStats::cpuTicksKey;
using zavel::test::FakeMachine;

namespace {

struct Ticks {
  uint64_t user, system, idle, nice;
};

void setTicks(const FakeMachine &machine, Ticks ticks) {
  // user nice system idle, the order of the kernel's line
  machine.tree().write("proc/stat", fmt::format("cpu  {} {} {} {}\ncpu0 1 2 3 4\n", ticks.user,
                                                ticks.nice, ticks.system, ticks.idle));
}

CPUTicks sample(Ticks ticks, kit::foundation::Date at) {
  return {
      .user = ticks.user, .system = ticks.system, .idle = ticks.idle, .nice = ticks.nice, .at = at};
}

std::optional<int64_t> readAt(FakeMachine &machine) {
  return cpuPercent({.root = machine.root(), .home = machine.home(), .clock = machine.clock()});
}

} // namespace

TEST(ProcessorLoad, AverageAgainstTheStoredSampleWhichEveryReadingReplaces) {
  struct Case {
    const char *name;
    Ticks stored;
    Ticks current;
    std::optional<int64_t> expected;
  } cases[] = {
      {"busy share", {1000, 500, 8000, 0}, {1300, 600, 8600, 0}, 40},
      {"nice counts as busy", {1000, 500, 8000, 0}, {1000, 500, 8050, 50}, 50},
      {"halves round up", {0, 0, 0, 0}, {123, 0, 77, 0}, 62},
      {"no tick passed", {1000, 500, 8000, 0}, {1000, 500, 8000, 0}, std::nullopt},
      {"idle went backwards", {1000, 500, 8000, 0}, {1300, 600, 7000, 0}, std::nullopt},
      {"counters restarted", {900000, 50000, 8000000, 10}, {30, 10, 400, 0}, std::nullopt},
      {"whole range", {0, 0, 0, 0}, {UINT64_MAX, UINT64_MAX, UINT64_MAX, 0}, 100},
  };
  for (const auto &c : cases) {
    FakeMachine machine;
    write(cpuTicksKey, sample(c.stored, machine.now.addingTimeInterval(-3600)), machine.home());
    setTicks(machine, c.current);
    EXPECT_EQ(readAt(machine), c.expected) << c.name;
    EXPECT_EQ(read<CPUTicks>(cpuTicksKey, machine.home()), sample(c.current, machine.now))
        << c.name;
  }
}

TEST(ProcessorLoad, FirstReadingGivesNoFigureAndTheNextOneAverages) {
  FakeMachine machine;
  setTicks(machine, {100, 100, 800, 0});
  EXPECT_EQ(readAt(machine), std::nullopt);
  machine.now = machine.now.addingTimeInterval(0.5); // the sample's age plays no part
  setTicks(machine, {130, 110, 860, 0});
  EXPECT_EQ(readAt(machine), 40);
  // After a restart the next reading has no figure, and the one after it a fresh average.
  setTicks(machine, {10, 10, 80, 0});
  EXPECT_EQ(readAt(machine), std::nullopt);
  setTicks(machine, {20, 10, 90, 0});
  EXPECT_EQ(readAt(machine), 50);
}

TEST(ProcessorLoad, UnreadableStoredSampleIsReplaced) {
  FakeMachine machine;
  zavel::SharedSuite::writeData(cpuTicksKey, R"({"user":1,"system":2,"idle":3})", machine.home());
  setTicks(machine, {10, 10, 80, 0});
  EXPECT_EQ(readAt(machine), std::nullopt);
  EXPECT_EQ(read<CPUTicks>(cpuTicksKey, machine.home()), sample({10, 10, 80, 0}, machine.now));
}

TEST(ProcessorLoad, NoProcessorFigureLeavesTheStoredSample) {
  FakeMachine machine;
  auto stored = sample({1, 2, 3, 4}, machine.now);
  write(cpuTicksKey, stored, machine.home());
  EXPECT_EQ(readAt(machine), std::nullopt);
  EXPECT_EQ(read<CPUTicks>(cpuTicksKey, machine.home()), stored);
}

TEST(ProcessorLoad, StoredFormKeepsTheFieldNames) {
  auto decoded = kit::foundation::decodeJsonData<CPUTicks>(
      R"({"user":1300,"system":600,"idle":8600,"nice":5,"at":700000000})");
  EXPECT_EQ(decoded, sample({1300, 600, 8600, 5}, kit::foundation::Date{700000000}));
}
