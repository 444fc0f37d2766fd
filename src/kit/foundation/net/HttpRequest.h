#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kit::foundation {

struct HttpHeader {
  std::string name;
  std::string value;
  bool operator==(const HttpHeader &) const = default;
};

// One GET. Every limit left unset takes the session's.
struct HttpRequest {
  std::string url;
  // Sent as given; a "User-Agent" here replaces the session's.
  std::vector<HttpHeader> headers = {};
  // Longest wait without any data arriving (the connection attempt included).
  std::optional<std::chrono::milliseconds> timeout = {};
  // Longest time for the whole exchange, however steadily data arrives.
  std::optional<std::chrono::milliseconds> deadline = {};
  // Largest body accepted, counted after content decoding.
  std::optional<std::size_t> maxBodyBytes = {};
};

} // namespace kit::foundation
