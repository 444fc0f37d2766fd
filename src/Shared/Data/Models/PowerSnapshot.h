#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace zavel {

// What the battery widgets show: the computer's battery, its accessories' and the day's power
// events.
struct PowerSnapshot {
  // One battery row; the name is its identity.
  struct Device {
    // As shown: "MacBook", "Keyboard".
    std::string name;
    // Charge, 0 to 100.
    int64_t percent = 0;

    const std::string &id() const { return name; }
    bool operator==(const Device &) const = default;
    static constexpr auto jsonFields() {
      using kit::foundation::field;
      return std::tuple{field("name", &Device::name), field("percent", &Device::percent)};
    }
  };

  // One power event of the day; its time is its identity.
  struct LogEntry {
    kit::foundation::Date time;
    // "Fully charged at 100%".
    std::string message;
    // The line tells the present state rather than a past event.
    bool isCurrent = false;

    kit::foundation::Date id() const { return time; }
    bool operator==(const LogEntry &) const = default;
    static constexpr auto jsonFields() {
      using kit::foundation::field;
      return std::tuple{field("time", &LogEntry::time), field("message", &LogEntry::message),
                        field("isCurrent", &LogEntry::isCurrent)};
    }
  };

  // Charge of the internal battery, 0 to 100.
  int64_t percent = 0;
  bool isCharging = false;
  // Time left, such as "2H 40M"; none without a figure.
  std::optional<std::string> remaining;
  // The computer and its accessories, in the reader's order.
  std::vector<Device> devices;
  // Oldest first.
  std::vector<LogEntry> log;

  bool operator==(const PowerSnapshot &) const = default;

  // The built-in snapshot, built once per process; its log is dated today.
  static const PowerSnapshot &sample();

  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("percent", &PowerSnapshot::percent),
                      field("isCharging", &PowerSnapshot::isCharging),
                      field("remaining", &PowerSnapshot::remaining),
                      field("devices", &PowerSnapshot::devices), field("log", &PowerSnapshot::log)};
  }
};

} // namespace zavel
