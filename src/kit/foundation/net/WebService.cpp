#include "kit/foundation/net/WebService.h"

#include "kit/foundation/net/HttpError.h"
#include "kit/foundation/net/URLEncoding.h"

#include <cstdlib>

namespace kit::foundation {

const char *environmentVariable(WebService service) {
  switch (service) {
  case WebService::forecast:
    return "ZAVEL_FORECAST_URL";
  case WebService::geocoding:
    return "ZAVEL_GEOCODING_URL";
  case WebService::airQuality:
    return "ZAVEL_AIR_QUALITY_URL";
  case WebService::stocks:
    return "ZAVEL_STOCKS_URL";
  }
  return "";
}

std::optional<std::string> serviceAddress(WebService service) {
  const char *value = std::getenv(environmentVariable(service));
  if (!value || !*value)
    return std::nullopt;
  return std::string(value);
}

std::string serviceURL(const std::optional<std::string> &address, std::string_view path) {
  if (!address || address->empty())
    throw HttpError(HttpError::Code::serviceNotConfigured,
                    "no base address for " + std::string(path));
  return appendingPath(*address, path);
}

std::string serviceURL(WebService service, std::string_view path) {
  auto address = serviceAddress(service);
  if (!address)
    throw HttpError(HttpError::Code::serviceNotConfigured,
                    std::string(environmentVariable(service)) + " is not set");
  return appendingPath(*address, path);
}

} // namespace kit::foundation
