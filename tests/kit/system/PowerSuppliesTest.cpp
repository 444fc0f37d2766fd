#include "kit/system/PowerSupplies.h"

#include "support/ScratchTree.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using kit::system::AccessoryBattery;
using kit::system::PowerSupplies;
using kit::system::readPowerSupplies;
using test_support::ScratchTree;

namespace {

using Attributes = std::vector<std::pair<const char *, const char *>>;

void addSupply(const ScratchTree &tree, const std::string &name, const Attributes &attributes) {
  for (const auto &[file, value] : attributes)
    tree.write("sys/class/power_supply/" + name + "/" + file, std::string(value) + "\n");
}

} // namespace

TEST(PowerSupplies, ChargeAndTimeLeftFromWhicheverFiguresTheDriverGives) {
  struct Case {
    Attributes attributes;
    int percent;
    std::optional<int> toEmpty, toFull;
  } cases[] = {
      {{{"status", "Charging"}, {"capacity", "80"}, {"time_to_full_now", "1859"}}, 80, {}, 30},
      {{{"status", "Discharging"},
        {"energy_now", "30000000"},
        {"energy_full", "45000000"},
        {"power_now", "12000000"}},
       67, // 66.67 rounded
       150,
       {}},
      // Charge figures: 2 of 3 Ah left, drawn or filled at the current.
      {{{"status", "Charging"},
        {"charge_now", "2000000"},
        {"charge_full", "3000000"},
        {"current_now", "1000000"}},
       67,
       {},
       60},
      {{{"status", "Discharging"},
        {"charge_now", "2000000"},
        {"charge_full", "3000000"},
        {"current_now", "4000000"}},
       67,
       30,
       {}},
      {{{"status", "Discharging"}, {"capacity", "67"}, {"charge_now", "2"}, {"current_now", "0"}},
       67,
       {},
       {}},
      {{{"status", "Full"}, {"capacity", "67"}, {"charge_now", "2"}, {"current_now", "1"}},
       67,
       {},
       {}},
  };
  for (const auto &c : cases) {
    ScratchTree tree;
    Attributes attributes = c.attributes;
    attributes.push_back({"type", "Battery"});
    addSupply(tree, "BAT0", attributes);
    auto battery = readPowerSupplies(tree.root()).internalBattery;
    ASSERT_TRUE(battery) << c.attributes[0].second;
    EXPECT_EQ(battery->name, "BAT0");
    EXPECT_EQ(battery->percent, c.percent);
    EXPECT_EQ(battery->minutesToEmpty, c.toEmpty) << c.attributes[0].second;
    EXPECT_EQ(battery->minutesToFull, c.toFull) << c.attributes[0].second;
  }
}

TEST(PowerSupplies, NoBatteryOnADesktop) {
  ScratchTree tree;
  EXPECT_EQ(readPowerSupplies(tree.root()), PowerSupplies{});
  addSupply(tree, "AC", {{"type", "Mains"}, {"online", "1"}});
  PowerSupplies adapterOnly;
  adapterOnly.externalPower = true;
  EXPECT_EQ(readPowerSupplies(tree.root()), adapterOnly);
}

TEST(PowerSupplies, TheInternalBatteryIsTheFirstPresentSystemBatteryWithACharge) {
  ScratchTree tree;
  addSupply(tree, "BAT0", {{"type", "Battery"}, {"present", "0"}, {"capacity", "10"}});
  addSupply(tree, "BAT1", {{"type", "Battery"}, {"capacity_level", "Normal"}});
  addSupply(tree, "BAT2",
            {{"type", "Battery"},
             {"status", "Discharging"},
             {"capacity", "55"},
             {"time_to_empty_now", "7500"}});
  addSupply(tree, "BAT3", {{"type", "Battery"}, {"capacity", "99"}});
  auto battery = readPowerSupplies(tree.root()).internalBattery;
  ASSERT_TRUE(battery);
  EXPECT_EQ(battery->name, "BAT2");
  EXPECT_EQ(battery->percent, 55);
  EXPECT_EQ(battery->minutesToEmpty, 125);
}

TEST(PowerSupplies, AccessoriesAreDeviceScopeBatteriesWithAWholeCapacity) {
  ScratchTree tree;
  addSupply(tree, "hid-00:1f:20:aa:bb:cc-battery",
            {{"type", "Battery"},
             {"scope", "Device"},
             {"capacity", "84"},
             {"model_name", "Magic Keyboard"},
             {"status", "Discharging"}});
  addSupply(tree, "hidpp_battery_0",
            {{"type", "Battery"}, {"scope", "Device"}, {"capacity", "12"}});
  addSupply(
      tree, "wacom_battery_0",
      {{"type", "Battery"}, {"scope", "Device"}, {"capacity_level", "Low"}, {"model_name", "Pen"}});
  addSupply(tree, "ucsi-source-psy", {{"type", "USB"}, {"scope", "Device"}, {"online", "1"}});
  auto supplies = readPowerSupplies(tree.root());
  EXPECT_EQ(supplies.internalBattery, std::nullopt); // a device's battery is never the machine's
  EXPECT_EQ(supplies.accessories,
            (std::vector<AccessoryBattery>{
                {.name = "hid-00:1f:20:aa:bb:cc-battery", .model = "Magic Keyboard", .percent = 84},
                {.name = "hidpp_battery_0", .model = std::nullopt, .percent = 12}}));
  EXPECT_FALSE(supplies.externalPower); // a device's own charger feeds nothing of the machine
}

// Connection to power is told by a charger being online, not by charging: a full battery on
// the charger is connected. Without any charger listed, a battery held full or charging is.
TEST(PowerSupplies, ExternalPowerFollowsTheChargersAndOnlyWithoutThemTheBattery) {
  struct Case {
    const char *charger; // a type, or none listed
    bool online;
    const char *status;
    bool expected;
  } cases[] = {
      {"Mains", true, "Full", true},           {"Mains", true, "Not charging", true},
      {"Mains", false, "Full", false},         {"Mains", false, "Charging", true},
      {"USB", true, "Discharging", true},      {"USB_PD", true, "Discharging", true},
      {"Wireless", true, "Discharging", true}, {nullptr, false, "Full", true},
      {nullptr, false, "Not charging", true},  {nullptr, false, "Charging", true},
      {nullptr, false, "Discharging", false},  {nullptr, false, "Unknown", false},
  };
  for (const auto &c : cases) {
    ScratchTree tree;
    if (c.charger)
      addSupply(tree, "charger", {{"type", c.charger}, {"online", c.online ? "1" : "0"}});
    addSupply(tree, "BAT0", {{"type", "Battery"}, {"status", c.status}, {"capacity", "100"}});
    auto supplies = readPowerSupplies(tree.root());
    EXPECT_EQ(supplies.externalPower, c.expected)
        << (c.charger ? c.charger : "none") << " " << c.online << " " << c.status;
    EXPECT_EQ(supplies.internalBattery->isCharging(), std::string(c.status) == "Charging");
  }
}
