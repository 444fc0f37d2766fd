#include "kit/system/MemoryUsage.h"

#include "kit/foundation/Saturating.h"
#include "kit/system/Attributes.h"

#include <map>
#include <sstream>
#include <string>

namespace kit::system {

using kit::foundation::saturatingAdd;
using kit::foundation::saturatingMultiply;

namespace {

// "Name:   1234 kB" lines, as bytes.
std::map<std::string, std::uint64_t> parseMeminfo(const std::string &text) {
  std::map<std::string, std::uint64_t> values;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    auto colon = line.find(':');
    if (colon == std::string::npos)
      continue;
    std::istringstream rest(line.substr(colon + 1));
    std::string number, unit;
    rest >> number >> unit;
    auto value = parseUnsigned(number);
    if (!value)
      continue;
    values[line.substr(0, colon)] = unit == "kB" ? saturatingMultiply(*value, 1024) : *value;
  }
  return values;
}

std::uint64_t valueOrZero(const std::map<std::string, std::uint64_t> &values, const char *name) {
  auto it = values.find(name);
  return it == values.end() ? 0 : it->second;
}

std::uint64_t estimatedAvailable(const std::map<std::string, std::uint64_t> &values) {
  std::uint64_t reclaimable = saturatingAdd(
      saturatingAdd(valueOrZero(values, "MemFree"), valueOrZero(values, "Buffers")),
      saturatingAdd(valueOrZero(values, "Cached"), valueOrZero(values, "SReclaimable")));
  std::uint64_t shared = valueOrZero(values, "Shmem");
  return reclaimable > shared ? reclaimable - shared : 0;
}

} // namespace

std::optional<MemoryUsage> readMemoryUsage(const std::filesystem::path &root) {
  auto text = readAttribute(root / "proc/meminfo");
  if (!text)
    return std::nullopt;
  auto values = parseMeminfo(*text);
  std::uint64_t total = valueOrZero(values, "MemTotal");
  if (total == 0)
    return std::nullopt;
  auto available = values.find("MemAvailable");
  return MemoryUsage{
      .totalBytes = total,
      .availableBytes = available != values.end() ? available->second : estimatedAvailable(values),
  };
}

} // namespace kit::system
