#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kit::system {

// What a battery reports it is doing. `notCharging` is a battery on external power that the
// firmware holds below full (a charge limit).
enum class ChargeStatus { unknown, charging, discharging, notCharging, full };

// The machine's own battery.
struct InternalBattery {
  std::string name; // the supply's name, such as "BAT0"
  int percent = 0;  // charge as reported, 0 to 100 in ordinary operation
  ChargeStatus status = ChargeStatus::unknown;
  // Whole minutes: to empty while discharging, to full while charging; none when the battery
  // reports no time and gives no figures to compute it from.
  std::optional<int> minutesToEmpty;
  std::optional<int> minutesToFull;

  bool isCharging() const { return status == ChargeStatus::charging; }
  bool operator==(const InternalBattery &) const = default;
};

// The battery of a device attached to the machine (keyboard, mouse, controller, headset).
struct AccessoryBattery {
  std::string name;                 // the supply's name, such as "hid-00:1f:20:aa:bb:cc-battery"
  std::optional<std::string> model; // the product name the device reports
  int percent = 0;

  bool operator==(const AccessoryBattery &) const = default;
};

struct PowerSupplies {
  std::optional<InternalBattery> internalBattery;
  std::vector<AccessoryBattery> accessories; // in supply name order
  // The machine draws on a charger or another outside source, whether the battery charges or not.
  bool externalPower = false;

  bool operator==(const PowerSupplies &) const = default;
};

// Reads <root>/sys/class/power_supply.
// - The internal battery is the first present supply of type "Battery" whose scope is "System"
//   or not given, in name order, that reports its charge (capacity, else energy or charge now
//   over full). Minutes come from time_to_empty_now / time_to_full_now, else from the energy or
//   charge left (or missing) over the present power or current draw.
// - Accessories are batteries of scope "Device" that report a whole-number capacity; those that
//   report only a level (Low, Normal, ...) or fail to read are left out.
// - External power: a charger-like supply (Mains, USB, Wireless, ...) that is online, or a
//   battery that is charging. A machine that lists no charger at all counts a battery that is
//   full or held below full as on external power.
PowerSupplies readPowerSupplies(const std::filesystem::path &root = "/");

} // namespace kit::system
