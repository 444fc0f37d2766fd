#pragma once

#include "kit/foundation/Date.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zavel::fuzz {

// The input as text, bytes as they are.
inline std::string_view textOf(const std::uint8_t *data, std::size_t size) {
  return {reinterpret_cast<const char *>(data), size};
}

// Sets the process up once for fuzzing: a home of its own (in memory where the machine has a
// tmpfs, removed when the process ends), a fixed zone and locale, and no web service, so nothing
// leaves the machine. Returns the home.
const std::filesystem::path &fuzzingHome();

// A fixed "now": 2026-03-29 01:30 UTC, the night clocks change in Europe.
inline constexpr kit::foundation::Date fuzzNow{796440600};

// Stops the process with `what` when a reader broke its promise.
void require(bool holds, std::string_view what);

} // namespace zavel::fuzz
