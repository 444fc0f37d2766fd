#pragma once

#include "Shared/Data/Models/PowerSnapshot.h"
#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/system/PowerSupplies.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The machine's power state for the battery widgets: the internal battery, the accessories'
// batteries and the day's power log. Nothing stays in memory between calls.
namespace zavel::PowerSource {

// The host application's list of accessory batteries (a JSON array of PowerSnapshot::Device);
// only read here.
inline constexpr std::string_view hostDevicesKey = "zavel.btbatteries.v1";

// The computer's own battery as the widgets show it.
struct InternalBattery {
  int64_t percent = 0;
  bool isCharging = false;
  // Time to full while charging, to empty otherwise: "45M", "2H 5M".
  std::optional<std::string> remaining;
  // Plugged in, whether the battery charges or is held (full, or at a charge limit).
  bool onExternalPower = false;

  bool operator==(const InternalBattery &) const = default;
};

// Where the state comes from; tests replace any of it.
struct Environment {
  // The root under which /sys is read.
  std::filesystem::path root = "/";
  // The app group holding the shared suite.
  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};
};

// The whole snapshot. Also advances the power log when the machine has a battery. A machine
// without one reads as full and charging, with no time text and an empty log.
PowerSnapshot snapshot(const Environment &environment = {});

// The internal battery among the power supplies read; none when the machine has none.
std::optional<InternalBattery> readInternalBattery(const kit::system::PowerSupplies &supplies);

// One row per accessory battery among the power supplies read, named by its kind when its
// product name tells one ("Keyboard", "Mouse", "Trackpad"), else by the product name.
std::vector<PowerSnapshot::Device> readBluetoothDevices(const kit::system::PowerSupplies &supplies);

// "45M" under an hour, else "2H 5M"; none for less than a minute.
std::optional<std::string> remainingText(std::optional<int> minutes);

} // namespace zavel::PowerSource
