#include "kit/foundation/net/WebService.h"
#include "kit/foundation/net/HttpError.h"
#include "kit/foundation/net/HttpSession.h"

#include "support/FakeHttpServer.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kit::foundation;
using testsupport::FakeHttpServer;
using testsupport::FakeResponse;

namespace {

constexpr WebService allServices[] = {WebService::forecast, WebService::geocoding,
                                      WebService::airQuality, WebService::stocks};

// Sets one variable for the life of the test and restores what was there.
class ScopedVariable {
public:
  ScopedVariable(const char *name, const char *value) : name_(name) {
    if (const char *old = std::getenv(name))
      old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~ScopedVariable() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

private:
  const char *name_;
  std::optional<std::string> old_;
};

} // namespace

TEST(WebService, EachServiceReadsItsOwnVariable) {
  EXPECT_STREQ(environmentVariable(WebService::forecast), "ZAVEL_FORECAST_URL");
  EXPECT_STREQ(environmentVariable(WebService::geocoding), "ZAVEL_GEOCODING_URL");
  EXPECT_STREQ(environmentVariable(WebService::airQuality), "ZAVEL_AIR_QUALITY_URL");
  EXPECT_STREQ(environmentVariable(WebService::stocks), "ZAVEL_STOCKS_URL");
  for (WebService service : allServices) {
    ScopedVariable set(environmentVariable(service), "http://127.0.0.1:9/base/");
    EXPECT_EQ(serviceAddress(service), "http://127.0.0.1:9/base/");
    EXPECT_EQ(serviceURL(service, "/v1/x"), "http://127.0.0.1:9/base/v1/x");
    for (WebService other : allServices) {
      if (other != service) {
        EXPECT_EQ(serviceAddress(other), std::nullopt);
      }
    }
  }
}

TEST(WebService, UnsetOrEmptyAddressFailsAtOnce) {
  for (const char *value : {static_cast<const char *>(nullptr), ""}) {
    ScopedVariable set("ZAVEL_FORECAST_URL", value);
    EXPECT_EQ(serviceAddress(WebService::forecast), std::nullopt);
    try {
      HttpSession::shared().data(serviceURL(WebService::forecast, "/v1/forecast"));
      ADD_FAILURE() << "a request without an address was made";
    } catch (const HttpError &error) {
      EXPECT_EQ(error.code(), HttpError::Code::serviceNotConfigured);
    }
    EXPECT_THROW(serviceURL(serviceAddress(WebService::forecast), "/v1/forecast"), HttpError);
  }
}

TEST(WebService, ConfiguredAddressReachesTheService) {
  FakeHttpServer server;
  server.serve("/v1/air-quality", FakeResponse::json(R"({"current":{"us_aqi":42}})"));
  ScopedVariable set("ZAVEL_AIR_QUALITY_URL", server.baseURL().c_str());
  HttpResponse response =
      HttpSession::shared().data(serviceURL(WebService::airQuality, "/v1/air-quality"));
  EXPECT_EQ(response.body, R"({"current":{"us_aqi":42}})");
}
