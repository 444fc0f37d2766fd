#include "kit/foundation/net/HttpSession.h"

#include "kit/foundation/net/CurlTransfer.h"

namespace kit::foundation {

HttpSession::HttpSession() = default;

HttpSession::HttpSession(Configuration configuration) : configuration_(std::move(configuration)) {}

const HttpSession &HttpSession::shared() {
  static const HttpSession session;
  return session;
}

HttpResponse HttpSession::data(const HttpRequest &request) const {
  TransferLimits limits{
      .timeout = request.timeout.value_or(configuration_.timeout),
      .deadline = request.deadline ? request.deadline : configuration_.deadline,
      .maxBodyBytes = request.maxBodyBytes.value_or(configuration_.maxBodyBytes),
      .maxRedirects = configuration_.maxRedirects,
  };
  return performTransfer(request, configuration_.userAgent, limits);
}

HttpResponse HttpSession::data(const std::string &url) const {
  return data(HttpRequest{.url = url});
}

} // namespace kit::foundation
