#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kit::foundation {

// The keyless web services the widgets read; each one's base address is deployment
// configuration, taken from the environment.
enum class WebService { forecast, geocoding, airQuality, stocks };

// "ZAVEL_FORECAST_URL", "ZAVEL_GEOCODING_URL", "ZAVEL_AIR_QUALITY_URL", "ZAVEL_STOCKS_URL".
const char *environmentVariable(WebService service);

// The service's base address as configured now; none when the variable is unset or empty.
std::optional<std::string> serviceAddress(WebService service);

// The base address followed by the path. Without an address the request fails at once:
// throws HttpError with code serviceNotConfigured.
std::string serviceURL(const std::optional<std::string> &address, std::string_view path);
std::string serviceURL(WebService service, std::string_view path);

} // namespace kit::foundation
