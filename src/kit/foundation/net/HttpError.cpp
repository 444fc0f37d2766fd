#include "kit/foundation/net/HttpError.h"

namespace kit::foundation {

const char *name(HttpError::Code code) {
  using enum HttpError::Code;
  switch (code) {
  case badURL:
    return "badURL";
  case unsupportedURL:
    return "unsupportedURL";
  case serviceNotConfigured:
    return "serviceNotConfigured";
  case cannotFindHost:
    return "cannotFindHost";
  case cannotConnectToHost:
    return "cannotConnectToHost";
  case timedOut:
    return "timedOut";
  case tooManyRedirects:
    return "tooManyRedirects";
  case dataLengthExceedsMaximum:
    return "dataLengthExceedsMaximum";
  case secureConnectionFailed:
    return "secureConnectionFailed";
  case cannotParseResponse:
    return "cannotParseResponse";
  case networkConnectionLost:
    return "networkConnectionLost";
  }
  return "unknown";
}

HttpError::HttpError(Code code, const std::string &detail)
    : std::runtime_error(std::string(name(code)) + ": " + detail), code_(code) {}

} // namespace kit::foundation
