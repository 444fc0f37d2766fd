#include "kit/system/PowerSupplies.h"

#include "support/ScratchTree.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using kit::system::AccessoryBattery;
using kit::system::PowerSupplies;
using kit::system::readPowerSupplies;
using test_support::ScratchTree;

namespace {

// Writes a supply's attribute files from "file=value" pairs separated by commas.
void addSupply(const ScratchTree &tree, const std::string &name, const std::string &attributes) {
  std::istringstream pairs(attributes);
  for (std::string pair; std::getline(pairs, pair, ',');) {
    auto equals = pair.find('=');
    tree.write("sys/class/power_supply/" + name + "/" + pair.substr(0, equals),
               pair.substr(equals + 1) + "\n");
  }
}

} // namespace

TEST(PowerSupplies, ChargeAndTimeLeftFromWhicheverFiguresTheDriverGives) {
  // Each case: percent, minutes to empty, minutes to full ("-" for none).
  for (auto [attributes, expected] : {
           std::pair{"status=Charging,capacity=80,time_to_full_now=1859", "80 - 30"},
           // 66.67 % rounded; 30 Wh left at 12 W.
           {"status=Discharging,energy_now=30000000,energy_full=45000000,power_now=12000000",
            "67 150 -"},
           // 2 of 3 Ah, filled at the current.
           {"status=Charging,charge_now=2000000,charge_full=3000000,current_now=1000000",
            "67 - 60"},
           {"status=Discharging,capacity=67,charge_now=2,current_now=0", "67 - -"},
           {"status=Full,capacity=67,charge_now=2,current_now=1", "67 - -"},
       }) {
    ScratchTree tree;
    addSupply(tree, "BAT0", std::string("type=Battery,") + attributes);
    auto battery = readPowerSupplies(tree.root()).internalBattery;
    ASSERT_TRUE(battery) << attributes;
    auto shown = [](std::optional<int> minutes) {
      return minutes ? std::to_string(*minutes) : std::string("-");
    };
    EXPECT_EQ(std::to_string(battery->percent) + " " + shown(battery->minutesToEmpty) + " " +
                  shown(battery->minutesToFull),
              expected)
        << attributes;
  }
}

TEST(PowerSupplies, TheInternalBatteryIsTheFirstPresentSystemBatteryWithACharge) {
  ScratchTree tree;
  EXPECT_EQ(readPowerSupplies(tree.root()), PowerSupplies{});
  addSupply(tree, "BAT0", "type=Battery,present=0,capacity=10");
  addSupply(tree, "BAT1", "type=Battery,capacity_level=Normal");
  addSupply(tree, "BAT2", "type=Battery,status=Discharging,capacity=55,time_to_empty_now=7500");
  addSupply(tree, "BAT3", "type=Battery,capacity=99");
  auto battery = readPowerSupplies(tree.root()).internalBattery;
  ASSERT_TRUE(battery);
  EXPECT_EQ(battery->name + " " + std::to_string(*battery->minutesToEmpty), "BAT2 125");
}

TEST(PowerSupplies, AccessoriesAreDeviceScopeBatteriesWithAWholeCapacity) {
  ScratchTree tree;
  addSupply(tree, "hid-00:1f:20:aa:bb:cc-battery",
            "type=Battery,scope=Device,capacity=84,model_name=Magic Keyboard,status=Discharging");
  addSupply(tree, "hidpp_battery_0", "type=Battery,scope=Device,capacity=12");
  addSupply(tree, "wacom_battery_0", "type=Battery,scope=Device,capacity_level=Low,model_name=Pen");
  addSupply(tree, "ucsi-source-psy", "type=USB,scope=Device,online=1");
  // A device's battery is never the machine's, nor does its charger feed the machine.
  EXPECT_EQ(readPowerSupplies(tree.root()),
            (PowerSupplies{
                .internalBattery = {},
                .accessories = {{.name = "hid-00:1f:20:aa:bb:cc-battery",
                                 .model = "Magic Keyboard",
                                 .percent = 84},
                                {.name = "hidpp_battery_0", .model = std::nullopt, .percent = 12}},
                .externalPower = false}));
}

// Connection to power is told by a charger being online, not by charging: a full battery on
// the charger is connected. Without any charger listed, a battery held full or charging is.
TEST(PowerSupplies, ExternalPowerFollowsTheChargersAndOnlyWithoutThemTheBattery) {
  struct Case {
    const char *charger; // its attributes, or none listed
    const char *status;
    bool expected;
  } cases[] = {
      {"type=USB,online=1", "Full", true},
      {"type=Mains,online=0", "Full", false},
      {"type=Mains,online=0", "Charging", true},
      {nullptr, "Full", true},
      {nullptr, "Charging", true},
      {nullptr, "Discharging", false},
  };
  for (const auto &c : cases) {
    ScratchTree tree;
    if (c.charger)
      addSupply(tree, "charger", c.charger);
    addSupply(tree, "BAT0", std::string("type=Battery,capacity=100,status=") + c.status);
    EXPECT_EQ(readPowerSupplies(tree.root()).externalPower, c.expected)
        << (c.charger ? c.charger : "none") << " " << c.status;
  }
}
