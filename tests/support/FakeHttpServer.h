#pragma once

#include "support/FakeResponse.h"
#include "support/RecordedRequest.h"

#include <functional>
#include <memory>

namespace testsupport {

// A web service on 127.0.0.1 at an ephemeral port, for tests: answers each path with what the
// test registered (404 for anything else) and records every request, and how many were in
// flight at once. Stops, cutting streams short, when destroyed.
class FakeHttpServer {
public:
  using Handler = std::function<FakeResponse(const RecordedRequest &)>;

  FakeHttpServer();
  ~FakeHttpServer();
  FakeHttpServer(const FakeHttpServer &) = delete;
  FakeHttpServer &operator=(const FakeHttpServer &) = delete;

  // "http://127.0.0.1:PORT", without a trailing slash.
  std::string baseURL() const;
  // The base URL followed by a path (and query) as given.
  std::string url(std::string_view pathAndQuery) const;
  int port() const;

  // Answers requests for the percent-decoded path; a later registration replaces an earlier one.
  void serve(const std::string &path, FakeResponse response);
  // The same with an answer made for each request, so requests for one path may differ.
  void serve(const std::string &path, Handler handler);

  std::vector<RecordedRequest> requests() const;
  std::vector<RecordedRequest> requests(std::string_view path) const;
  std::size_t requestCount() const;
  // The most requests that were being answered at one moment.
  int maxInFlight() const;
  void clearRecords();

private:
  struct State;
  std::unique_ptr<State> state_;
};

} // namespace testsupport
