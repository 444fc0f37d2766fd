#pragma once

#include "Shared/Data/SharedSuite.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace zavel::SystemStats {

// Puts `current` in the one slot under `key` and returns the sample it replaced, if that one
// could be read. A failed store leaves the old sample for the next reading.
template <class Sample>
std::optional<Sample> replaceStoredSample(std::string_view key, const Sample &current,
                                          const std::filesystem::path &home) {
  auto previous = SharedSuite::read<Sample>(key, home);
  SharedSuite::write(key, current, home);
  return previous;
}

} // namespace zavel::SystemStats
