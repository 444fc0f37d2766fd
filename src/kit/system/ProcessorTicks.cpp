#include "kit/system/ProcessorTicks.h"

#include "kit/foundation/Saturating.h"
#include "kit/system/Attributes.h"

#include <array>
#include <sstream>
#include <string>

namespace kit::system {

using kit::foundation::saturatingAdd;

namespace {

// The order of the counters on the line.
enum Field { user, nice, system, idle, iowait, irq, softirq, steal, fieldCount };

std::optional<std::string> aggregateLine(const std::string &stat) {
  std::istringstream lines(stat);
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("cpu ", 0) == 0)
      return line.substr(4);
  return std::nullopt;
}

} // namespace

std::optional<ProcessorTicks> readProcessorTicks(const std::filesystem::path &root) {
  auto stat = readAttribute(root / "proc/stat");
  if (!stat)
    return std::nullopt;
  auto line = aggregateLine(*stat);
  if (!line)
    return std::nullopt;
  std::array<std::uint64_t, fieldCount> counters{};
  std::istringstream words(*line);
  size_t read = 0;
  for (std::string word; read < fieldCount && words >> word; ++read) {
    auto value = parseUnsigned(word);
    if (!value)
      return std::nullopt;
    counters[read] = *value;
  }
  if (read < idle + 1)
    return std::nullopt;
  return ProcessorTicks{
      .user = counters[user],
      .nice = counters[nice],
      .system = saturatingAdd(saturatingAdd(counters[system], counters[irq]),
                              saturatingAdd(counters[softirq], counters[steal])),
      .idle = saturatingAdd(counters[idle], counters[iowait]),
  };
}

} // namespace kit::system
