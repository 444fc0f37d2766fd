#include "Shared/Data/PowerSource/PowerSource.h"
#include "Shared/Data/PowerSource/PowerLog.h"
#include "Shared/Data/SharedSuite.h"

#include "LogMessages.h"

#include "support/FakeMachine.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

using power_test::messagesOf;
using zavel::PowerSnapshot;
using zavel::PowerSource::Environment;
using zavel::PowerSource::hostDevicesKey;
using zavel::PowerSource::remainingText;
using zavel::test::FakeMachine;
using Device = zavel::PowerSnapshot::Device;

namespace {

using Attributes = std::initializer_list<std::pair<const char *, const char *>>;

void addSupply(const FakeMachine &machine, const std::string &name, Attributes attributes) {
  for (const auto &[file, value] : attributes)
    machine.tree().write("sys/class/power_supply/" + name + "/" + file, std::string(value) + "\n");
}

void addAdapter(const FakeMachine &machine, bool online) {
  addSupply(machine, "AC", {{"type", "Mains"}, {"online", online ? "1" : "0"}});
}

void addBattery(const FakeMachine &machine, const char *status, const char *capacity,
                Attributes more = {}) {
  addSupply(machine, "BAT0", {{"type", "Battery"}, {"status", status}, {"capacity", capacity}});
  addSupply(machine, "BAT0", more);
}

void addAccessory(const FakeMachine &machine, const std::string &name, const char *model,
                  const char *capacity) {
  addSupply(machine, name, {{"type", "Battery"}, {"scope", "Device"}, {"capacity", capacity}});
  if (model)
    addSupply(machine, name, {{"model_name", model}});
}

PowerSnapshot snapshotOf(const FakeMachine &machine) {
  return zavel::PowerSource::snapshot(
      Environment{.root = machine.root(), .home = machine.home(), .clock = machine.clock()});
}

} // namespace

TEST(PowerSource, TheInternalBatteryInItsStates) {
  struct Case {
    const char *name;
    bool adapterOnline;
    const char *status;
    const char *capacity;
    Attributes times;
    bool charging;
    std::optional<std::string> remaining;
    const char *present;
  } cases[] = {
      {"charging",
       true,
       "Charging",
       "80",
       {{"time_to_full_now", "2700"}},
       true,
       "45M",
       "80% · 45M remaining"},
      {"charging without a time", true, "Charging", "80", {}, true, std::nullopt, "80%"},
      {"full on the charger", true, "Full", "100", {}, false, std::nullopt, "100%"},
      {"held at a charge limit", true, "Not charging", "80", {}, false, std::nullopt, "80%"},
      {"discharging",
       false,
       "Discharging",
       "68",
       {{"time_to_empty_now", "9600"}},
       false,
       "2H 40M",
       "68% · 2H 40M remaining"},
  };
  for (const auto &c : cases) {
    FakeMachine machine;
    addAdapter(machine, c.adapterOnline);
    addBattery(machine, c.status, c.capacity, c.times);
    auto snapshot = snapshotOf(machine);
    EXPECT_EQ(snapshot.percent, std::stoi(c.capacity)) << c.name;
    EXPECT_EQ(snapshot.isCharging, c.charging) << c.name;
    EXPECT_EQ(snapshot.remaining, c.remaining) << c.name;
    EXPECT_EQ(snapshot.devices, (std::vector<Device>{{"MacBook", std::stoi(c.capacity)}}))
        << c.name;
    EXPECT_EQ(messagesOf(snapshot.log), std::vector<std::string>{c.present}) << c.name;
    auto stored =
        zavel::SharedSuite::read<zavel::PowerLog::Stored>(zavel::PowerLog::key, machine.home());
    ASSERT_TRUE(stored) << c.name;
    EXPECT_EQ(stored->entries, snapshot.log) << c.name;
    EXPECT_EQ(stored->lastCharging, c.charging) << c.name;
    EXPECT_EQ(stored->lastOnExternalPower, c.adapterOnline) << c.name;
  }
}

TEST(PowerSource, NoBatteryReadsAsFullAndChargingAndLeavesTheLogAlone) {
  FakeMachine machine;
  addAdapter(machine, true);
  addAccessory(machine, "hid-aa-battery", "Wireless Mouse", "40");
  zavel::SharedSuite::writeData(hostDevicesKey, R"([{"name":"Headphones","percent":70}])",
                                machine.home());
  auto snapshot = snapshotOf(machine);
  EXPECT_EQ(snapshot, (PowerSnapshot{.percent = 100,
                                     .isCharging = true,
                                     .remaining = std::nullopt,
                                     .devices = {{"Mouse", 40}, {"Headphones", 70}},
                                     .log = {}}));
  EXPECT_EQ(zavel::SharedSuite::readData(zavel::PowerLog::key, machine.home()), std::nullopt);
}

TEST(PowerSource, AccessoriesNamedByTheirKindThenTheHostList) {
  FakeMachine machine;
  addBattery(machine, "Discharging", "55");
  addAccessory(machine, "hid-01-battery", "Magic KEYBOARD with Touch ID", "84");
  addAccessory(machine, "hid-02-battery", "Mouse with trackpad", "12");
  addAccessory(machine, "hid-03-battery", "Magic Trackpad", "90");
  addAccessory(machine, "hid-04-battery", "Game Controller", "130");
  addAccessory(machine, "hid-05-battery", nullptr, "5");
  addSupply(machine, "hid-06-battery", // a level only: no row
            {{"type", "Battery"}, {"scope", "Device"}, {"capacity_level", "Low"}});
  zavel::SharedSuite::writeData(hostDevicesKey,
                                R"([{"name":"Keyboard","percent":50},
                                    {"name":"Headphones","percent":70},
                                    {"name":"Headphones","percent":20},
                                    {"name":"mouse","percent":33}])",
                                machine.home());
  EXPECT_EQ(snapshotOf(machine).devices, (std::vector<Device>{{"MacBook", 55},
                                                              {"Keyboard", 84},
                                                              {"Mouse", 12},
                                                              {"Trackpad", 90},
                                                              {"Game Controller", 130},
                                                              {"Device", 5},
                                                              {"Headphones", 70},
                                                              {"mouse", 33}}));
}

TEST(PowerSource, UnreadableHostListCountsAsEmpty) {
  for (const char *stored : {R"({"name":"Headphones","percent":70})",
                             R"([{"name":"Headphones","percent":"70"}])", "not json"}) {
    FakeMachine machine;
    addAccessory(machine, "hid-01-battery", "Keyboard", "84");
    zavel::SharedSuite::writeData(hostDevicesKey, stored, machine.home());
    EXPECT_EQ(snapshotOf(machine).devices, (std::vector<Device>{{"Keyboard", 84}})) << stored;
  }
}

TEST(PowerSource, RemainingTimeText) {
  struct Case {
    std::optional<int> minutes;
    std::optional<std::string> text;
  } cases[] = {{std::nullopt, std::nullopt},
               {-1, std::nullopt},
               {0, std::nullopt},
               {1, "1M"},
               {59, "59M"},
               {60, "1H 0M"},
               {125, "2H 5M"},
               {6000, "100H 0M"}};
  for (const auto &c : cases)
    EXPECT_EQ(remainingText(c.minutes), c.text) << c.minutes.value_or(-99);
}
