#pragma once

#include "kit/foundation/net/HttpRequest.h"
#include "kit/foundation/net/HttpResponse.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace kit::foundation {

// The limits of one transfer, once the request's and the session's are merged.
struct TransferLimits {
  std::chrono::milliseconds timeout;
  std::optional<std::chrono::milliseconds> deadline;
  std::size_t maxBodyBytes;
  long maxRedirects;
};

// Runs one GET on its own libcurl handles and returns the response or throws HttpError.
HttpResponse performTransfer(const HttpRequest &request, const std::string &userAgent,
                             const TransferLimits &limits);

} // namespace kit::foundation
