#include "Shared/Data/PowerSource/PowerSource.h"

#include "Shared/Data/PowerSource/PowerLog.h"
#include "Shared/Data/SharedSuite.h"
#include "support/FakeMachine.h"

#include <gtest/gtest.h>

namespace zavel::PowerSource {
namespace {

using Attributes = std::vector<std::pair<const char *, const char *>>;
using Devices = std::vector<PowerSnapshot::Device>;

void addSupply(const test::FakeMachine &machine, const std::string &name, Attributes attributes) {
  for (const auto &[file, value] : attributes)
    machine.tree().write("sys/class/power_supply/" + name + "/" + file, std::string(value) + "\n");
}

void addAccessory(const test::FakeMachine &machine, const std::string &name, const char *model,
                  const char *capacity) {
  addSupply(machine, name, {{"type", "Battery"}, {"scope", "Device"}, {"capacity", capacity}});
  if (model)
    addSupply(machine, name, {{"model_name", model}});
}

PowerSnapshot snapshotOf(const test::FakeMachine &machine, const char *hostDevices = nullptr) {
  if (hostDevices)
    SharedSuite::writeData(hostDevicesKey, hostDevices, machine.home());
  return snapshot({.root = machine.root(), .home = machine.home(), .clock = machine.clock()});
}

TEST(PowerSource, TheInternalBatteryWithTheTimeItsStateTellsAndItsLogStored) {
  // Whether the adapter is online, the status, the times to full and to empty, the present line.
  std::tuple<bool, const char *, const char *, const char *, const char *> cases[] = {
      {true, "Charging", "2700", "60", "80% · 45M remaining"},
      {true, "Not charging", nullptr, "0", "80%"},
      {false, "Discharging", "60", "3600", "80% · 1H 0M remaining"},
  };
  for (const auto &[adapter, status, toFull, toEmpty, present] : cases) {
    test::FakeMachine machine;
    addSupply(machine, "AC", {{"type", "Mains"}, {"online", adapter ? "1" : "0"}});
    addSupply(machine, "BAT0", {{"type", "Battery"}, {"status", status}, {"capacity", "80"}});
    addSupply(machine, "BAT0", {{"time_to_empty_now", toEmpty}});
    if (toFull)
      addSupply(machine, "BAT0", {{"time_to_full_now", toFull}});
    auto s = snapshotOf(machine);
    bool charging = status == std::string("Charging");
    EXPECT_EQ(std::tuple(s.percent, s.isCharging, s.log.at(0).message, s.devices),
              std::tuple(80, charging, std::string(present), Devices{{"MacBook", 80}}));
    EXPECT_EQ(
        SharedSuite::read<PowerLog::Stored>(PowerLog::key, machine.home())->lastOnExternalPower,
        adapter);
  }
}

TEST(PowerSource, NoBatteryReadsAsFullAndChargingAndLeavesTheLogAlone) {
  test::FakeMachine machine;
  addAccessory(machine, "hid-aa-battery", "Wireless Mouse", "40");
  EXPECT_EQ(snapshotOf(machine, R"([{"name":"Headphones","percent":70}])"),
            (PowerSnapshot{100, true, std::nullopt, {{"Mouse", 40}, {"Headphones", 70}}, {}}));
  EXPECT_EQ(SharedSuite::readData(PowerLog::key, machine.home()), std::nullopt);
}

TEST(PowerSource, AccessoriesNamedByTheirKindThenTheHostListOnceEachAndUnreadableListsEmpty) {
  test::FakeMachine machine;
  addAccessory(machine, "hid-01-battery", "Magic KEYBOARD with Touch ID", "84");
  addAccessory(machine, "hid-02-battery", "Mouse with trackpad", "12");
  addAccessory(machine, "hid-04-battery", nullptr, "5");
  EXPECT_EQ(
      snapshotOf(machine, R"([{"name":"Keyboard","percent":50},
                                    {"name":"Headphones","percent":70},
                                    {"name":"Headphones","percent":20},
                                    {"name":"mouse","percent":33}])")
          .devices,
      (Devices{{"Keyboard", 84}, {"Mouse", 12}, {"Device", 5}, {"Headphones", 70}, {"mouse", 33}}));
  for (const char *stored : {R"([{"name":"Headphones","percent":"70"}])", "not json"})
    EXPECT_EQ(snapshotOf(machine, stored).devices.size(), 3u) << stored;
}

} // namespace
} // namespace zavel::PowerSource
