#include "kit/foundation/net/CurlError.h"

namespace kit::foundation {

HttpError::Code httpErrorCode(CURLcode result) {
  using enum HttpError::Code;
  switch (result) {
  case CURLE_URL_MALFORMAT:
    return badURL;
  case CURLE_UNSUPPORTED_PROTOCOL:
    return unsupportedURL;
  case CURLE_COULDNT_RESOLVE_HOST:
  case CURLE_COULDNT_RESOLVE_PROXY:
    return cannotFindHost;
  case CURLE_COULDNT_CONNECT:
    return cannotConnectToHost;
  case CURLE_OPERATION_TIMEDOUT:
    return timedOut;
  case CURLE_TOO_MANY_REDIRECTS:
    return tooManyRedirects;
  case CURLE_FILESIZE_EXCEEDED:
    return dataLengthExceedsMaximum;
  case CURLE_SSL_CONNECT_ERROR:
  case CURLE_PEER_FAILED_VERIFICATION:
  case CURLE_SSL_CERTPROBLEM:
  case CURLE_SSL_CIPHER:
  case CURLE_SSL_CACERT_BADFILE:
    return secureConnectionFailed;
  default:
    return networkConnectionLost;
  }
}

} // namespace kit::foundation
