#pragma once

#include <stdexcept>
#include <string>

namespace kit::foundation {

// A request that brought no response: the URL could not be used, the service has no address, or
// the transfer failed. An error status is not one of these; it arrives in the response.
class HttpError : public std::runtime_error {
public:
  enum class Code {
    badURL,                   // the text is not an absolute URL
    unsupportedURL,           // a scheme other than http or https, also on a redirect
    serviceNotConfigured,     // the service's base address is not set
    cannotFindHost,           // the host name does not resolve
    cannotConnectToHost,      // nothing accepts the connection
    timedOut,                 // no data within the time-out, or the deadline passed
    tooManyRedirects,         // more redirects than the session follows
    dataLengthExceedsMaximum, // the body is larger than the cap
    secureConnectionFailed,   // TLS handshake or certificate failure
    cannotParseResponse,      // an answer with nothing usable in it (raised by callers)
    networkConnectionLost,    // every other transport failure
  };

  HttpError(Code code, const std::string &detail);

  Code code() const noexcept { return code_; }

private:
  Code code_;
};

// The code's name as written above, for messages and test output.
const char *name(HttpError::Code code);

} // namespace kit::foundation
