#pragma once

#include "Shared/Data/ExtraModels/NetworkSnapshot.h"
#include "Shared/Data/ExtraModels/StorageSnapshot.h"
#include "kit/foundation/Clock.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/system/VolumeCapacity.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The machine's own figures for the system widgets. Each is none when it is not available now;
// the widget then shows its own fallback. Processor and network figures are averages since the
// previous reading of any widget: that reading's raw sample is kept in the shared suite, and
// every reading replaces it.
namespace zavel::SystemStats {

inline constexpr std::string_view cpuTicksKey = "zavel.sys.cputicks.v1";
inline constexpr std::string_view netBytesKey = "zavel.sys.netbytes.v1";

// Cumulative processor ticks of the whole machine at `at`.
struct CPUTicks {
  uint64_t user = 0;
  uint64_t system = 0;
  uint64_t idle = 0;
  uint64_t nice = 0;
  kit::foundation::Date at;

  bool operator==(const CPUTicks &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("user", &CPUTicks::user), field("system", &CPUTicks::system),
                      field("idle", &CPUTicks::idle), field("nice", &CPUTicks::nice),
                      field("at", &CPUTicks::at)};
  }
};

// Bytes received and sent since boot over the counted interfaces at `at`.
struct NetCounters {
  uint64_t inBytes = 0;
  uint64_t outBytes = 0;
  kit::foundation::Date at;
  // The interfaces summed, sorted. Samples stored before it was kept lack it.
  std::optional<std::vector<std::string>> interfaces;

  bool operator==(const NetCounters &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("inBytes", &NetCounters::inBytes),
                      field("outBytes", &NetCounters::outBytes), field("at", &NetCounters::at),
                      field("interfaces", &NetCounters::interfaces)};
  }
};

// Where the figures come from; tests replace any of them.
struct Environment {
  // The root under which /proc and /sys are read.
  std::filesystem::path root = "/";
  // The app group holding the shared suite.
  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};
  kit::system::StatVfsFunction statVfs = kit::system::systemStatVfs();
};

// The share of processor time spent busy (user, nice and system time) since the stored sample,
// in percent. None without a usable stored sample, when no tick passed, or when a counter went
// backwards (the kernel's counters restarted).
std::optional<int64_t> cpuPercent(const Environment &environment = {});

// Memory in use (not free and not reclaimable) as a share of the machine's memory, in percent.
std::optional<int64_t> memoryPercent(const Environment &environment = {});

// The graphics processor's busy share as its driver reports it.
std::optional<int64_t> gpuPercent(const Environment &environment = {});

// Throughput of the physical network interfaces since the stored sample. None without a usable
// stored sample, when 1 second or less passed, when a counter went backwards, or when the set of
// interfaces changed.
std::optional<NetworkSnapshot> networkSnapshot(const Environment &environment = {});

// Use of the volume holding the user's home folder. Nothing is stored.
std::optional<StorageSnapshot> storageSnapshot(const Environment &environment = {});

} // namespace zavel::SystemStats
