#pragma once

#include "kit/foundation/net/HttpError.h"

#include <curl/curl.h>

namespace kit::foundation {

// The error a failed libcurl transfer stands for.
HttpError::Code httpErrorCode(CURLcode result);

} // namespace kit::foundation
