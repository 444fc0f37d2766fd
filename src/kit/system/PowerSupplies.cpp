#include "kit/system/PowerSupplies.h"

#include "kit/foundation/Saturating.h"
#include "kit/system/Attributes.h"

#include <cstdint>
#include <limits>
#include <tuple>

namespace kit::system {

using kit::foundation::wholeRounded;
using kit::foundation::wholeTruncated;

namespace {

namespace fs = std::filesystem;

std::string attribute(const fs::path &supply, const char *name) {
  return readAttribute(supply / name).value_or("");
}

bool isDeviceScope(const fs::path &supply) { return attribute(supply, "scope") == "Device"; }

bool isPresent(const fs::path &supply) {
  auto present = readIntegerAttribute(supply / "present");
  return !present || *present != 0;
}

// Supplies that feed the machine from outside: mains adapters, USB and wireless chargers.
bool isCharger(const std::string &type) {
  return type == "Mains" || type.rfind("USB", 0) == 0 || type == "Wireless" || type == "BrickID";
}

ChargeStatus chargeStatus(const std::string &text) {
  if (text == "Charging")
    return ChargeStatus::charging;
  if (text == "Discharging")
    return ChargeStatus::discharging;
  if (text == "Not charging")
    return ChargeStatus::notCharging;
  if (text == "Full")
    return ChargeStatus::full;
  return ChargeStatus::unknown;
}

std::optional<int> wholePercent(std::int64_t value) {
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(value);
}

// Energy (µWh) or charge (µAh) figures, whichever the driver gives.
struct Reservoir {
  std::uint64_t now = 0;
  std::uint64_t full = 0;
  std::optional<std::uint64_t> rate; // µW or µA
};

std::optional<Reservoir> reservoir(const fs::path &supply) {
  for (auto [now, full, rate] : {std::tuple{"energy_now", "energy_full", "power_now"},
                                 std::tuple{"charge_now", "charge_full", "current_now"}}) {
    auto nowValue = readUnsignedAttribute(supply / now);
    auto fullValue = readUnsignedAttribute(supply / full);
    if (nowValue && fullValue && *fullValue > 0)
      return Reservoir{*nowValue, *fullValue, readUnsignedAttribute(supply / rate)};
  }
  return std::nullopt;
}

std::optional<int> batteryPercent(const fs::path &supply, const std::optional<Reservoir> &figures) {
  if (auto capacity = readIntegerAttribute(supply / "capacity"))
    return wholePercent(*capacity);
  if (!figures)
    return std::nullopt;
  return wholeRounded<int>(static_cast<double>(figures->now) / static_cast<double>(figures->full) *
                           100.0);
}

std::optional<int> minutesFromSeconds(const fs::path &file) {
  auto seconds = readIntegerAttribute(file);
  if (!seconds || *seconds < 0)
    return std::nullopt;
  return wholeRounded<int>(static_cast<double>(*seconds / 60));
}

// Hours of `amount` at `rate`, as whole minutes.
std::optional<int> minutesAtRate(std::uint64_t amount, const std::optional<std::uint64_t> &rate) {
  if (!rate || *rate == 0)
    return std::nullopt;
  return wholeTruncated<int>(static_cast<double>(amount) / static_cast<double>(*rate) * 60);
}

InternalBattery internalBattery(const fs::path &supply, int percent,
                                const std::optional<Reservoir> &figures) {
  InternalBattery battery{.name = supply.filename().string(),
                          .percent = percent,
                          .status = chargeStatus(attribute(supply, "status")),
                          .minutesToEmpty = minutesFromSeconds(supply / "time_to_empty_now"),
                          .minutesToFull = minutesFromSeconds(supply / "time_to_full_now")};
  if (figures && !battery.minutesToEmpty && battery.status == ChargeStatus::discharging)
    battery.minutesToEmpty = minutesAtRate(figures->now, figures->rate);
  if (figures && !battery.minutesToFull && battery.status == ChargeStatus::charging)
    battery.minutesToFull = minutesAtRate(
        figures->full > figures->now ? figures->full - figures->now : 0, figures->rate);
  return battery;
}

std::optional<AccessoryBattery> accessoryBattery(const fs::path &supply) {
  auto capacity = readIntegerAttribute(supply / "capacity");
  auto percent = capacity ? wholePercent(*capacity) : std::nullopt;
  if (!percent)
    return std::nullopt;
  auto model = readAttribute(supply / "model_name");
  if (model && model->empty())
    model.reset();
  return AccessoryBattery{.name = supply.filename().string(), .model = model, .percent = *percent};
}

bool heldOnCharger(ChargeStatus status) {
  return status == ChargeStatus::full || status == ChargeStatus::notCharging;
}

} // namespace

PowerSupplies readPowerSupplies(const fs::path &root) {
  auto folder = root / "sys/class/power_supply";
  PowerSupplies supplies;
  bool listsCharger = false;
  bool chargerOnline = false;
  for (const auto &name : sortedEntryNames(folder)) {
    auto supply = folder / name;
    auto type = attribute(supply, "type");
    if (isCharger(type) && !isDeviceScope(supply)) {
      listsCharger = true;
      chargerOnline = chargerOnline || readIntegerAttribute(supply / "online").value_or(0) == 1;
      continue;
    }
    if (type != "Battery" || !isPresent(supply))
      continue;
    if (isDeviceScope(supply)) {
      if (auto accessory = accessoryBattery(supply))
        supplies.accessories.push_back(*accessory);
      continue;
    }
    if (supplies.internalBattery)
      continue;
    auto figures = reservoir(supply);
    if (auto percent = batteryPercent(supply, figures))
      supplies.internalBattery = internalBattery(supply, *percent, figures);
  }
  auto status = supplies.internalBattery ? supplies.internalBattery->status : ChargeStatus::unknown;
  supplies.externalPower =
      chargerOnline || status == ChargeStatus::charging || (!listsCharger && heldOnCharger(status));
  return supplies;
}

} // namespace kit::system
