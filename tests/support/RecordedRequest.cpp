#include "support/RecordedRequest.h"

#include <algorithm>
#include <cctype>

namespace testsupport {

namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

} // namespace

std::optional<std::string> RecordedRequest::header(std::string_view name) const {
  for (const auto &[key, value] : headers)
    if (equalIgnoringCase(key, name))
      return value;
  return std::nullopt;
}

std::optional<std::string> RecordedRequest::queryValue(std::string_view name) const {
  for (const auto &[key, value] : query)
    if (key == name)
      return value;
  return std::nullopt;
}

} // namespace testsupport
