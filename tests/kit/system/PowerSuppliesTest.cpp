#include "kit/system/PowerSupplies.h"

#include "support/ScratchTree.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

using kit::system::AccessoryBattery;
using kit::system::ChargeStatus;
using kit::system::InternalBattery;
using kit::system::PowerSupplies;
using kit::system::readPowerSupplies;
using test_support::ScratchTree;

namespace {

using Attributes = std::initializer_list<std::pair<const char *, const char *>>;

void addSupply(const ScratchTree &tree, const std::string &name, Attributes attributes) {
  for (const auto &[file, value] : attributes)
    tree.write("sys/class/power_supply/" + name + "/" + file, std::string(value) + "\n");
}

void addAdapter(const ScratchTree &tree, bool online) {
  addSupply(tree, "AC", {{"type", "Mains"}, {"online", online ? "1" : "0"}});
}

} // namespace

TEST(PowerSupplies, ChargingBatteryOnTheAdapter) {
  ScratchTree tree;
  addAdapter(tree, true);
  addSupply(tree, "BAT0",
            {{"type", "Battery"},
             {"scope", "System"},
             {"status", "Charging"},
             {"capacity", "80"},
             {"time_to_full_now", "1859"}});
  EXPECT_EQ(readPowerSupplies(tree.root()),
            (PowerSupplies{.internalBattery = InternalBattery{.name = "BAT0",
                                                              .percent = 80,
                                                              .status = ChargeStatus::charging,
                                                              .minutesToEmpty = std::nullopt,
                                                              .minutesToFull = 30},
                           .accessories = {},
                           .externalPower = true}));
}

TEST(PowerSupplies, FullOnTheChargerIsOnExternalPowerButNotCharging) {
  for (const char *status : {"Full", "Not charging"}) {
    ScratchTree tree;
    addAdapter(tree, true);
    addSupply(tree, "BAT0", {{"type", "Battery"}, {"status", status}, {"capacity", "100"}});
    auto supplies = readPowerSupplies(tree.root());
    ASSERT_TRUE(supplies.internalBattery) << status;
    EXPECT_FALSE(supplies.internalBattery->isCharging()) << status;
    EXPECT_TRUE(supplies.externalPower) << status;
  }
}

TEST(PowerSupplies, DischargingComputesTheTimeLeftFromEnergyAndPower) {
  ScratchTree tree;
  addAdapter(tree, false);
  addSupply(tree, "BAT0",
            {{"type", "Battery"},
             {"status", "Discharging"},
             {"energy_now", "30000000"},
             {"energy_full", "45000000"},
             {"power_now", "12000000"}});
  auto supplies = readPowerSupplies(tree.root());
  ASSERT_TRUE(supplies.internalBattery);
  EXPECT_EQ(supplies.internalBattery->percent, 67); // 66.67 rounded
  EXPECT_EQ(supplies.internalBattery->minutesToEmpty, 150);
  EXPECT_EQ(supplies.internalBattery->minutesToFull, std::nullopt);
  EXPECT_FALSE(supplies.externalPower);
}

TEST(PowerSupplies, TimeLeftFromChargeFiguresOrNoneWithoutADraw) {
  struct Case {
    const char *status;
    const char *current;
    std::optional<int> toEmpty;
    std::optional<int> toFull;
  } cases[] = {
      {"Charging", "1000000", std::nullopt, 60},    // 1 Ah missing at 1 A
      {"Discharging", "4000000", 30, std::nullopt}, // 2 Ah left at 4 A
      {"Discharging", "0", std::nullopt, std::nullopt},
      {"Full", "1000000", std::nullopt, std::nullopt},
  };
  for (const auto &c : cases) {
    ScratchTree tree;
    addSupply(tree, "BAT1",
              {{"type", "Battery"},
               {"status", c.status},
               {"capacity", "67"},
               {"charge_now", "2000000"},
               {"charge_full", "3000000"},
               {"current_now", c.current}});
    auto battery = readPowerSupplies(tree.root()).internalBattery;
    ASSERT_TRUE(battery) << c.status;
    EXPECT_EQ(battery->percent, 67);
    EXPECT_EQ(battery->minutesToEmpty, c.toEmpty) << c.status << " " << c.current;
    EXPECT_EQ(battery->minutesToFull, c.toFull) << c.status << " " << c.current;
  }
}

TEST(PowerSupplies, NoBatteryOnADesktop) {
  ScratchTree tree;
  EXPECT_EQ(readPowerSupplies(tree.root()), PowerSupplies{});
  addAdapter(tree, true);
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

TEST(PowerSupplies, WithoutAListedChargerABatteryHeldFullCountsAsOnExternalPower) {
  struct Case {
    const char *status;
    bool listsAdapter;
    bool expected;
  } cases[] = {
      {"Full", false, true},         {"Not charging", false, true},
      {"Discharging", false, false}, {"Unknown", false, false},
      {"Charging", false, true},     {"Full", true, false}, // the adapter says offline
      {"Charging", true, true},
  };
  for (const auto &c : cases) {
    ScratchTree tree;
    if (c.listsAdapter)
      addAdapter(tree, false);
    addSupply(tree, "BAT0", {{"type", "Battery"}, {"status", c.status}, {"capacity", "100"}});
    EXPECT_EQ(readPowerSupplies(tree.root()).externalPower, c.expected)
        << c.status << " adapter listed: " << c.listsAdapter;
  }
}

TEST(PowerSupplies, UsbAndWirelessChargersCountAsExternalPower) {
  for (const char *type : {"USB", "USB_PD", "Wireless"}) {
    ScratchTree tree;
    addSupply(tree, "charger", {{"type", type}, {"online", "1"}});
    addSupply(tree, "BAT0", {{"type", "Battery"}, {"status", "Discharging"}, {"capacity", "40"}});
    EXPECT_TRUE(readPowerSupplies(tree.root()).externalPower) << type;
  }
}
