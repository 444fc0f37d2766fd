#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/SystemStats/SystemStats.h"

#include "support/FakeMachine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using zavel::NetworkSnapshot;
using zavel::SharedSuite::read;
using zavel::SystemStats::netBytesKey;
using zavel::SystemStats::NetCounters;
using zavel::SystemStats::networkSnapshot;
using zavel::test::FakeMachine;

namespace {

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
  return networkSnapshot(
      {.root = machine.root(), .home = machine.home(), .clock = machine.clock()});
}

std::optional<NetCounters> stored(const FakeMachine &machine) {
  return read<NetCounters>(netBytesKey, machine.home());
}

} // namespace

TEST(NetworkThroughput, FirstReadingStoresTheSampleAndTheNextGivesTheRate) {
  FakeMachine machine;
  setInterface(machine, "lo", false, 900'000'000, 900'000'000);
  setInterface(machine, "enp3s0", true, 1'000'000, 2'000'000);
  setInterface(machine, "wlp2s0", true, 0, 0);
  EXPECT_EQ(readAfter(machine, 0), std::nullopt);
  EXPECT_EQ(stored(machine),
            (NetCounters{.inBytes = 1'000'000,
                         .outBytes = 2'000'000,
                         .at = machine.now,
                         .interfaces = std::vector<std::string>{"enp3s0", "wlp2s0"}}));

  setInterface(machine, "lo", false, 999'000'000, 999'000'000);
  setInterface(machine, "wlp2s0", true, 5'000'000, 1'000'000);
  EXPECT_EQ(readAfter(machine, 10), (NetworkSnapshot{.downMBs = 0.5, .upMBs = 0.1}));
}

TEST(NetworkThroughput, ReadingsWithoutARateStillReplaceTheSample) {
  struct Case {
    const char *name;
    double seconds;
    uint64_t received, sent;
  } cases[] = {
      {"half a second", 0.5, 2'000'000, 2'000'000},
      {"exactly one second", 1.0, 2'000'000, 2'000'000},
      {"clock went back", -60, 2'000'000, 2'000'000},
      {"received counter reset", 10, 10, 2'000'000},
      {"sent counter reset", 10, 2'000'000, 10},
  };
  for (const auto &c : cases) {
    FakeMachine machine;
    setInterface(machine, "eth0", true, 1'000'000, 1'000'000);
    readAfter(machine, 0);
    setInterface(machine, "eth0", true, c.received, c.sent);
    EXPECT_EQ(readAfter(machine, c.seconds), std::nullopt) << c.name;
    ASSERT_TRUE(stored(machine)) << c.name;
    EXPECT_EQ(stored(machine)->inBytes, c.received) << c.name;
    EXPECT_EQ(stored(machine)->at, machine.now) << c.name;
    // The next reading averages against the sample that gave no rate.
    setInterface(machine, "eth0", true, c.received + 4'000'000, c.sent);
    EXPECT_EQ(readAfter(machine, 2), (NetworkSnapshot{.downMBs = 2, .upMBs = 0})) << c.name;
  }
}

TEST(NetworkThroughput, AnInterfaceAppearingGivesNoRate) {
  FakeMachine machine;
  setInterface(machine, "enp3s0", true, 5'000'000, 5'000'000);
  readAfter(machine, 0);
  setInterface(machine, "wwan0", true, 10, 10); // counters grow anyway: the sums are not alike
  EXPECT_EQ(readAfter(machine, 10), std::nullopt);
  EXPECT_EQ(stored(machine)->interfaces, (std::vector<std::string>{"enp3s0", "wwan0"}));
  std::filesystem::remove_all(machine.root() / "sys/class/net/wwan0");
  EXPECT_EQ(readAfter(machine, 10), std::nullopt);
  EXPECT_EQ(readAfter(machine, 10), (NetworkSnapshot{.downMBs = 0, .upMBs = 0}));
}

TEST(NetworkThroughput, SampleWithoutItsInterfacesStillReads) {
  FakeMachine machine;
  setInterface(machine, "eth0", true, 3'000'000, 1'000'000);
  zavel::SharedSuite::writeData(netBytesKey,
                                R"({"inBytes":1000000,"outBytes":1000000,"at":)" +
                                    std::to_string(machine.now.secondsSinceReferenceDate - 4) + "}",
                                machine.home());
  EXPECT_EQ(readAfter(machine, 0), (NetworkSnapshot{.downMBs = 0.5, .upMBs = 0}));
  EXPECT_EQ(stored(machine)->interfaces, (std::vector<std::string>{"eth0"}));
}

TEST(NetworkThroughput, NoPhysicalInterfaceCountsAsZeros) {
  FakeMachine machine;
  setInterface(machine, "lo", false, 1'000, 1'000);
  setInterface(machine, "docker0", false, 1'000, 1'000);
  EXPECT_EQ(readAfter(machine, 0), std::nullopt);
  EXPECT_EQ(stored(machine), (NetCounters{.inBytes = 0,
                                          .outBytes = 0,
                                          .at = machine.now,
                                          .interfaces = std::vector<std::string>{}}));
  setInterface(machine, "lo", false, 9'000, 9'000);
  EXPECT_EQ(readAfter(machine, 5), (NetworkSnapshot{.downMBs = 0, .upMBs = 0}));
}

TEST(NetworkThroughput, NoInterfaceListLeavesTheStoredSample) {
  FakeMachine machine;
  NetCounters sample{.inBytes = 1, .outBytes = 2, .at = machine.now, .interfaces = std::nullopt};
  zavel::SharedSuite::write(netBytesKey, sample, machine.home());
  EXPECT_EQ(readAfter(machine, 10), std::nullopt);
  EXPECT_EQ(stored(machine), sample);
}
