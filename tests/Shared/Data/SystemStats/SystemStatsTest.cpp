#include "Shared/Data/SystemStats/SystemStats.h"

#include "Shared/Data/SharedSuite.h"
#include "support/FakeMachine.h"
#include "support/ScopedEnvironment.h"

#include <cerrno>
#include <fmt/format.h>
#include <gtest/gtest.h>
#include <string>

namespace zavel::SystemStats {
namespace {

using test::FakeMachine;
using Names = std::vector<std::string>;

Environment environmentOf(const FakeMachine &machine) {
  return {.root = machine.root(), .home = machine.home(), .clock = machine.clock()};
}

struct Ticks {
  uint64_t user = 0, system = 0, idle = 0, nice = 0;
};

void setTicks(const FakeMachine &machine, Ticks t) {
  // user nice system idle, the order of the kernel's line
  machine.tree().write("proc/stat", fmt::format("cpu  {} {} {} {}\ncpu0 1 2 3 4\n", t.user, t.nice,
                                                t.system, t.idle));
}

std::string ticksJson(Ticks t, const FakeMachine &machine) {
  return fmt::format(R"({{"user":{},"system":{},"idle":{},"nice":{},"at":{}}})", t.user, t.system,
                     t.idle, t.nice, machine.now.secondsSinceReferenceDate);
}

TEST(ProcessorLoad, AverageAgainstTheStoredSampleOfAnyAgeWhichEveryReadingReplaces) {
  FakeMachine machine;
  const std::string earlier = ticksJson({1000, 500, 8000, 0}, machine),
                    zero = ticksJson({}, machine);
  std::tuple<std::string, Ticks, std::optional<int64_t>> cases[] = {
      {earlier, {1300, 600, 8600, 0}, 40},
      {earlier, {1000, 500, 8050, 50}, 50},          // nice counts as busy
      {zero, {123, 0, 77, 0}, 62},                   // halves round up
      {earlier, {1000, 500, 8000, 0}, std::nullopt}, // no tick passed
      {earlier, {1300, 600, 7000, 0}, std::nullopt}, // idle went backwards
      {zero, {UINT64_MAX, UINT64_MAX, UINT64_MAX, 0}, 100},
      {R"({"user":1,"system":2,"idle":3})", {10, 10, 80, 0}, std::nullopt},
  };
  for (const auto &[stored, current, expected] : cases) {
    SharedSuite::writeData(cpuTicksKey, stored, machine.home());
    setTicks(machine, current);
    EXPECT_EQ(cpuPercent(environmentOf(machine)), expected) << stored;
    EXPECT_EQ(kit::foundation::parseJson(*SharedSuite::readData(cpuTicksKey, machine.home())),
              kit::foundation::parseJson(ticksJson(current, machine)));
  }
  // No figure leaves the sample.
  std::filesystem::remove(machine.root() / "proc/stat");
  EXPECT_EQ(cpuPercent(environmentOf(machine)), std::nullopt);
  EXPECT_EQ(SharedSuite::read<CPUTicks>(cpuTicksKey, machine.home())->idle, 80u);
}

void setInterface(const FakeMachine &machine, const std::string &name, bool physical,
                  uint64_t received, uint64_t sent) {
  auto base = "sys/class/net/" + name;
  if (physical)
    machine.tree().folder(base + "/device");
  machine.tree().write(base + "/statistics/rx_bytes", std::to_string(received) + "\n");
  machine.tree().write(base + "/statistics/tx_bytes", std::to_string(sent) + "\n");
}

std::optional<NetworkSnapshot> readAfter(FakeMachine &machine, double seconds) {
  machine.now = machine.now.addingTimeInterval(seconds);
  return networkSnapshot(environmentOf(machine));
}

std::optional<NetCounters> stored(const FakeMachine &machine) {
  return SharedSuite::read<NetCounters>(netBytesKey, machine.home());
}

TEST(NetworkThroughput, FirstReadingStoresTheSampleOfPhysicalInterfacesAndTheNextGivesTheRate) {
  FakeMachine machine;
  setInterface(machine, "enp3s0", true, 1'000'000, 2'000'000);
  setInterface(machine, "wlp2s0", true, 0, 0);
  EXPECT_EQ(readAfter(machine, 0), std::nullopt);
  EXPECT_EQ(stored(machine),
            (NetCounters{1'000'000, 2'000'000, machine.now, Names{"enp3s0", "wlp2s0"}}));
  setInterface(machine, "wlp2s0", true, 5'000'000, 1'000'000);
  EXPECT_EQ(readAfter(machine, 10), (NetworkSnapshot{.downMBs = 0.5, .upMBs = 0.1}));
}

TEST(NetworkThroughput, ReadingsWithoutARateStillReplaceTheSample) {
  std::tuple<const char *, double, std::string, uint64_t, uint64_t> cases[] = {
      {"exactly one second", 1.0, "eth0", 2'000'000, 2'000'000},
      {"clock went back", -60, "eth0", 2'000'000, 2'000'000},
      {"received counter reset", 10, "eth0", 10, 2'000'000},
      {"another interface", 10, "wwan0", 10, 10}, // the sums grow but are not alike
  };
  for (const auto &[name, seconds, interface, received, sent] : cases) {
    FakeMachine machine;
    setInterface(machine, "eth0", true, 1'000'000, 1'000'000);
    readAfter(machine, 0);
    setInterface(machine, interface, true, received, sent);
    EXPECT_EQ(readAfter(machine, seconds), std::nullopt) << name;
    EXPECT_EQ(stored(machine)->interfaces->size(), interface == "eth0" ? 1u : 2u) << name;
    EXPECT_EQ(stored(machine)->at, machine.now) << name;
  }
}

TEST(NetworkThroughput, ASampleWithoutItsInterfacesStillReads) {
  FakeMachine machine;
  setInterface(machine, "eth0", true, 3'000'000, 1'000'000);
  SharedSuite::writeData(netBytesKey,
                         fmt::format(R"({{"inBytes":1000000,"outBytes":1000000,"at":{}}})",
                                     machine.now.secondsSinceReferenceDate - 4),
                         machine.home());
  EXPECT_EQ(readAfter(machine, 0), (NetworkSnapshot{.downMBs = 0.5, .upMBs = 0}));
  EXPECT_EQ(stored(machine)->interfaces, Names{"eth0"});
}

TEST(SystemStats, MemoryInUseAsAShareOfAllMemory) {
  FakeMachine machine;
  EXPECT_EQ(memoryPercent(environmentOf(machine)), std::nullopt);
  machine.tree().write("proc/meminfo", "MemTotal: 1000 kB\nMemAvailable: 385 kB\n");
  EXPECT_EQ(memoryPercent(environmentOf(machine)), 62); // 61.5
}

TEST(SystemStats, StorageOfTheHomeVolumeInGigabytesNoneWhenItCannotBeAsked) {
  std::tuple<unsigned long, unsigned long, std::optional<StorageSnapshot>> cases[] = {
      {1'000'000'000, 278'100'000, StorageSnapshot{.usedGB = 721, .totalGB = 1000}},
      {1'000'000, 2'000'000, StorageSnapshot{.usedGB = 0, .totalGB = 1}}, // more free than all
      {1, 1, std::nullopt}, // the volume cannot be asked
  };
  FakeMachine machine;
  test::ScopedEnvironment home({{"HOME", std::string("/home/ada")}});
  for (const auto &[blocks, available, expected] : cases) {
    std::string asked;
    auto environment = environmentOf(machine);
    environment.statVfs = [&, blocks = blocks, available = available](const char *path,
                                                                      struct statvfs *result) {
      asked = path;
      *result = {};
      result->f_frsize = 1000;
      result->f_blocks = blocks;
      result->f_bavail = available;
      errno = EIO;
      return blocks == 1 ? -1 : 0;
    };
    EXPECT_EQ(storageSnapshot(environment), expected) << blocks;
    EXPECT_EQ(asked, "/home/ada");
  }
}

} // namespace
} // namespace zavel::SystemStats
