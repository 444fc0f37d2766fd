#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// What the fake server answers to one request. Build one with the factories below and adjust
// the fields (status, headers, delay, holdUntilInFlight) as a test needs.
struct FakeResponse {
  // A body sent piece by piece: `piece` again and again until `totalBytes` are sent (the last
  // piece cut short), or forever when none; `interval` apart. With `declaredLength` the
  // response carries that Content-Length (which may lie); without, it is chunked.
  struct Stream {
    std::string piece;
    std::optional<std::size_t> totalBytes;
    std::chrono::milliseconds interval{0};
    std::optional<std::size_t> declaredLength;
  };

  int status = 200;
  std::string contentType = "application/json";
  std::string body;
  std::vector<std::pair<std::string, std::string>> headers;
  // Silence before the status line.
  std::chrono::milliseconds delay{0};
  // Answer only once this many requests are in flight at once (or after 5 s), so tests can
  // prove requests overlap.
  int holdUntilInFlight = 0;
  std::optional<Stream> stream;

  static FakeResponse json(std::string body, int status = 200);
  static FakeResponse xml(std::string body, int status = 200);
  static FakeResponse text(std::string body, int status = 200,
                           std::string contentType = "text/plain");
  static FakeResponse redirect(std::string location, int status = 302);
  // The body gzip-compressed, with "Content-Encoding: gzip".
  static FakeResponse gzip(const std::string &body, std::string contentType = "application/json");
  // `count` copies of `piece` with `interval` between them, length declared.
  static FakeResponse slowly(std::string piece, std::size_t count,
                             std::chrono::milliseconds interval);
  // One byte per interval, never ending, length undeclared.
  static FakeResponse trickle(std::chrono::milliseconds interval);
  // Bytes as fast as the client takes them, never ending, length undeclared.
  static FakeResponse endless();
  static FakeResponse huge(std::size_t bytes, bool declareLength);
  // Declares `declaredLength`, sends `sentBytes` and closes the connection.
  static FakeResponse truncated(std::size_t declaredLength, std::size_t sentBytes);
};

} // namespace testsupport
