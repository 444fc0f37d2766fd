#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <strings.h>
#include <vector>

namespace testsupport {

// One request as the fake server received it.
struct RecordedRequest {
  std::string method;
  // Percent-decoded.
  std::string path;
  // As sent: path and query, still encoded.
  std::string target;
  // Decoded as a server decodes a query ("+" is a space), in the order sent.
  std::vector<std::pair<std::string, std::string>> query;
  std::vector<std::pair<std::string, std::string>> headers;

  // The first header of that name, compared case-insensitively.
  std::optional<std::string> header(std::string_view name) const {
    for (const auto &[key, value] : headers)
      if (key.size() == name.size() && strncasecmp(key.data(), name.data(), key.size()) == 0)
        return value;
    return std::nullopt;
  }
  // The first query item of that name.
  std::optional<std::string> queryValue(std::string_view name) const {
    for (const auto &[key, value] : query)
      if (key == name)
        return value;
    return std::nullopt;
  }
};

} // namespace testsupport
