#pragma once

#include <string>

namespace kit::foundation {

// What the server answered, whatever the status: judging it is the caller's business.
struct HttpResponse {
  long statusCode = 0;
  std::string body;
  // The address that answered, after redirects.
  std::string url;
};

} // namespace kit::foundation
