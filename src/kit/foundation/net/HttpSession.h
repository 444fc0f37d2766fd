#pragma once

#include "kit/foundation/net/HttpRequest.h"
#include "kit/foundation/net/HttpResponse.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace kit::foundation {

// Loads one URL with one GET: no retry, redirects followed over http and https only, compressed
// bodies accepted and decoded. The status code is reported, never judged. Every failure to get
// a response throws HttpError. Safe to use from several threads at once: each request has its
// own connection and shares nothing.
class HttpSession {
public:
  struct Configuration {
    // The wait without data after which a request gives up, as the platform's default.
    std::chrono::milliseconds timeout = std::chrono::seconds(60);
    // A bound on the whole exchange, so a server that trickles bytes cannot hold a caller.
    std::optional<std::chrono::milliseconds> deadline = std::chrono::minutes(2);
    std::size_t maxBodyBytes = 10 * 1024 * 1024;
    long maxRedirects = 10;
    std::string userAgent = "zavel-widgets";
  };

  HttpSession();
  explicit HttpSession(Configuration configuration);

  // The process-wide session with the default configuration.
  static const HttpSession &shared();

  const Configuration &configuration() const { return configuration_; }

  HttpResponse data(const HttpRequest &request) const;
  HttpResponse data(const std::string &url) const;

private:
  Configuration configuration_;
};

} // namespace kit::foundation
