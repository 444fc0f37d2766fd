#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace kit::system {

// Cumulative processor time of the whole machine, in clock ticks, summed over all processors.
// The kernel's finer states fold into four: `system` holds system, irq, softirq and steal time;
// `idle` holds idle and iowait time; guest time is already part of user and nice.
struct ProcessorTicks {
  std::uint64_t user = 0;
  std::uint64_t nice = 0;
  std::uint64_t system = 0;
  std::uint64_t idle = 0;

  bool operator==(const ProcessorTicks &) const = default;
};

// Reads the "cpu" line of <root>/proc/stat; none when it is missing or has fewer than four
// counters. Counters the kernel does not report count as zero.
std::optional<ProcessorTicks> readProcessorTicks(const std::filesystem::path &root = "/");

} // namespace kit::system
