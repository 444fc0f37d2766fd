#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kit::foundation {

struct URLQueryItem {
  std::string name;
  std::string value;
  bool operator==(const URLQueryItem &) const = default;
};

// A query name or value: every byte but letters, digits, "-", ".", "_" and "~" is
// percent-encoded, so "+", "&", "=" and "#" reach the server as the text they were.
std::string percentEncodedQueryComponent(std::string_view text);

// One path segment: "/", "?", "#", "%", spaces and non-ASCII bytes are encoded, the characters a
// segment may hold as they are; a segment of dots alone is encoded so it cannot climb the path.
std::string percentEncodedPathSegment(std::string_view text);

// The URL with its query replaced by the items in order; a fragment stays at the end.
std::string urlWithQueryItems(std::string_view url, const std::vector<URLQueryItem> &items);

// The base address followed by the path, with one slash between them.
std::string appendingPath(std::string_view base, std::string_view path);

} // namespace kit::foundation
