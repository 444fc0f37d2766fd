#include "Shared/Data/SystemStats/SystemStats.h"

#include "support/FakeMachine.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

using zavel::StorageSnapshot;
using zavel::SystemStats::Environment;
using zavel::SystemStats::gpuPercent;
using zavel::SystemStats::memoryPercent;
using zavel::SystemStats::storageSnapshot;
using zavel::test::FakeMachine;
using zavel::test::ScopedEnvironment;

namespace {

Environment environmentOf(const FakeMachine &machine) {
  return {.root = machine.root(), .home = machine.home(), .clock = machine.clock()};
}

} // namespace

TEST(SystemStats, MemoryInUseAsAShareOfAllMemory) {
  struct Case {
    const char *meminfo;
    std::optional<int64_t> expected;
  } cases[] = {
      {"MemTotal: 16000000 kB\nMemFree: 1000000 kB\nMemAvailable: 4000000 kB\n", 75},
      {"MemTotal: 1000 kB\nMemAvailable: 385 kB\n", 62}, // 61.5
      {"MemTotal: 1000 kB\nMemAvailable: 1000 kB\n", 0},
      {"MemFree: 1000 kB\n", std::nullopt},
  };
  for (const auto &c : cases) {
    FakeMachine machine;
    machine.tree().write("proc/meminfo", c.meminfo);
    EXPECT_EQ(memoryPercent(environmentOf(machine)), c.expected) << c.meminfo;
  }
  FakeMachine empty;
  EXPECT_EQ(memoryPercent(environmentOf(empty)), std::nullopt);
}

TEST(SystemStats, GraphicsBusyShareOnlyWhereADriverReportsOne) {
  FakeMachine machine;
  machine.tree().folder("sys/class/drm/card0/device");
  EXPECT_EQ(gpuPercent(environmentOf(machine)), std::nullopt);
  machine.tree().write("sys/class/drm/card1/device/gpu_busy_percent", "37\n");
  EXPECT_EQ(gpuPercent(environmentOf(machine)), 37);
}

TEST(SystemStats, StorageOfTheHomeVolumeInGigabytes) {
  struct Case {
    unsigned long blocks, available;
    std::optional<StorageSnapshot> expected;
  } cases[] = {
      {1'000'000'000, 278'100'000, StorageSnapshot{.usedGB = 721, .totalGB = 1000}},
      {999'500, 0, StorageSnapshot{.usedGB = 0, .totalGB = 1}},           // 0.9995 GB rounds up
      {1'000'000, 2'000'000, StorageSnapshot{.usedGB = 0, .totalGB = 1}}, // more free than all
      {0, 0, std::nullopt},
  };
  FakeMachine machine;
  ScopedEnvironment home({{"HOME", std::string("/home/ada")}});
  for (const auto &c : cases) {
    std::string asked;
    auto environment = environmentOf(machine);
    environment.statVfs = [&](const char *path, struct statvfs *result) {
      asked = path;
      *result = {};
      result->f_frsize = 1000;
      result->f_blocks = c.blocks;
      result->f_bavail = c.available;
      return 0;
    };
    EXPECT_EQ(storageSnapshot(environment), c.expected) << c.blocks;
    EXPECT_EQ(asked, "/home/ada");
  }
}

TEST(SystemStats, StorageIsNoneWhenTheVolumeCannotBeAsked) {
  FakeMachine machine;
  auto environment = environmentOf(machine);
  environment.statVfs = [](const char *, struct statvfs *) {
    errno = EIO;
    return -1;
  };
  EXPECT_EQ(storageSnapshot(environment), std::nullopt);
}
