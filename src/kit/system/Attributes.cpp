#include "kit/system/Attributes.h"

#include "kit/foundation/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <memory>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit::system {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isSpace(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back()))
    text.remove_suffix(1);
  return text;
}

template <typename Number> std::optional<Number> parseNumber(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && text.front() == '+')
    text.remove_prefix(1);
  Number value{};
  const char *end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end)
    return std::nullopt;
  return value;
}

} // namespace

std::optional<std::string> readAttribute(const std::filesystem::path &file) {
  // Kernel attribute files report a size of 0 or 4096, so read until the end, within a bound.
  constexpr size_t kLimit = 4 << 20;
  int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0)
    return std::nullopt;
  std::unique_ptr<int, void (*)(int *)> guard(&descriptor, [](int *fd) { ::close(*fd); });
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
    return std::nullopt;
  std::string text;
  char buffer[4096];
  while (text.size() < kLimit) {
    ssize_t count = ::read(descriptor, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0)
      return std::nullopt;
    if (count == 0)
      break;
    text.append(buffer, static_cast<size_t>(count));
  }
  return foundation::sanitizedUtf8(trimmed(text));
}

std::optional<std::uint64_t> parseUnsigned(std::string_view text) {
  return parseNumber<std::uint64_t>(text);
}

std::optional<std::int64_t> parseInteger(std::string_view text) {
  return parseNumber<std::int64_t>(text);
}

std::optional<std::uint64_t> readUnsignedAttribute(const std::filesystem::path &file) {
  auto text = readAttribute(file);
  return text ? parseUnsigned(*text) : std::nullopt;
}

std::optional<std::int64_t> readIntegerAttribute(const std::filesystem::path &file) {
  auto text = readAttribute(file);
  return text ? parseInteger(*text) : std::nullopt;
}

std::vector<std::string> sortedEntryNames(const std::filesystem::path &folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error))
    names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

} // namespace kit::system
