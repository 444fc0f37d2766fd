#include "Shared/Data/PowerSource/PowerSource.h"

#include "Shared/Data/PowerSource/PowerLog.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/TextOperations.h"

#include <algorithm>

#include <fmt/format.h>

namespace zavel::PowerSource {

namespace {

// The name of the computer's own row, as the widgets label it.
constexpr const char *kComputerName = "MacBook";

// The kind of accessory a product name tells, the first that matches.
constexpr std::pair<std::string_view, const char *> kAccessoryKinds[] = {
    {"keyboard", "Keyboard"}, {"mouse", "Mouse"}, {"trackpad", "Trackpad"}};

std::string accessoryName(const std::string &product) {
  const auto locale = kit::foundation::Locale::posix();
  for (const auto &[word, name] : kAccessoryKinds)
    if (kit::foundation::localizedCaseInsensitiveContains(product, word, locale))
      return name;
  return product;
}

bool hasDevice(const std::vector<PowerSnapshot::Device> &devices, const std::string &name) {
  return std::any_of(devices.begin(), devices.end(),
                     [&](const PowerSnapshot::Device &device) { return device.name == name; });
}

// The host application's rows whose names are not listed yet; of two with one name the first.
void appendHostDevices(std::vector<PowerSnapshot::Device> &devices,
                       const std::filesystem::path &home) {
  auto stored = SharedSuite::read<std::vector<PowerSnapshot::Device>>(hostDevicesKey, home);
  for (auto &device : stored.value_or(std::vector<PowerSnapshot::Device>{}))
    if (!hasDevice(devices, device.name))
      devices.push_back(std::move(device));
}

} // namespace

std::optional<std::string> remainingText(std::optional<int> minutes) {
  if (!minutes || *minutes < 1)
    return std::nullopt;
  if (*minutes < 60)
    return fmt::format("{}M", *minutes);
  return fmt::format("{}H {}M", *minutes / 60, *minutes % 60);
}

std::optional<InternalBattery> readInternalBattery(const kit::system::PowerSupplies &supplies) {
  const auto &battery = supplies.internalBattery;
  if (!battery)
    return std::nullopt;
  bool charging = battery->isCharging();
  return InternalBattery{
      .percent = battery->percent,
      .isCharging = charging,
      .remaining = remainingText(charging ? battery->minutesToFull : battery->minutesToEmpty),
      .onExternalPower = supplies.externalPower};
}

std::vector<PowerSnapshot::Device>
readBluetoothDevices(const kit::system::PowerSupplies &supplies) {
  std::vector<PowerSnapshot::Device> devices;
  for (const auto &accessory : supplies.accessories)
    devices.push_back({accessoryName(accessory.model.value_or("Device")), accessory.percent});
  return devices;
}

PowerSnapshot snapshot(const Environment &environment) {
  auto supplies = kit::system::readPowerSupplies(environment.root);
  auto battery = readInternalBattery(supplies);
  std::vector<PowerSnapshot::Device> devices;
  if (battery)
    devices.push_back({kComputerName, battery->percent});
  auto accessories = readBluetoothDevices(supplies);
  devices.insert(devices.end(), accessories.begin(), accessories.end());
  appendHostDevices(devices, environment.home);
  auto log = PowerLog::record(battery, environment);
  if (!battery)
    return {.percent = 100,
            .isCharging = true,
            .remaining = std::nullopt,
            .devices = std::move(devices),
            .log = std::move(log)};
  return {.percent = battery->percent,
          .isCharging = battery->isCharging,
          .remaining = battery->remaining,
          .devices = std::move(devices),
          .log = std::move(log)};
}

} // namespace zavel::PowerSource
