#pragma once

#include "Shared/Data/Models/PowerSnapshot.h"

#include <string>
#include <vector>

namespace power_test {

// The messages of a power log, oldest first.
inline std::vector<std::string> messagesOf(const std::vector<zavel::PowerSnapshot::LogEntry> &log) {
  std::vector<std::string> messages;
  for (const auto &entry : log)
    messages.push_back(entry.message);
  return messages;
}

} // namespace power_test
