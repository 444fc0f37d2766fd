#include "kit/foundation/net/WebService.h"
#include "kit/foundation/net/HttpError.h"
#include "kit/foundation/net/HttpSession.h"

#include "support/FakeHttpServer.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

using namespace kit::foundation;
using testsupport::FakeHttpServer;
using testsupport::FakeResponse;
using zavel::test::ScopedEnvironment;

TEST(WebService, EachServiceReadsItsOwnVariable) {
  struct Case {
    WebService service;
    const char *variable;
  } cases[] = {{WebService::forecast, "ZAVEL_FORECAST_URL"},
               {WebService::geocoding, "ZAVEL_GEOCODING_URL"},
               {WebService::airQuality, "ZAVEL_AIR_QUALITY_URL"},
               {WebService::stocks, "ZAVEL_STOCKS_URL"}};
  for (const auto &c : cases) {
    ScopedEnvironment environment({{"ZAVEL_FORECAST_URL", std::nullopt},
                                   {"ZAVEL_GEOCODING_URL", std::nullopt},
                                   {"ZAVEL_AIR_QUALITY_URL", std::nullopt},
                                   {"ZAVEL_STOCKS_URL", std::nullopt}});
    ScopedEnvironment set({{c.variable, std::string("http://127.0.0.1:9/base/")}});
    EXPECT_EQ(serviceURL(c.service, "/v1/x"), "http://127.0.0.1:9/base/v1/x") << c.variable;
    for (const auto &other : cases)
      if (other.service != c.service) {
        EXPECT_EQ(serviceAddress(other.service), std::nullopt) << c.variable;
      }
  }
}

TEST(WebService, UnsetOrEmptyAddressFailsAtOnce) {
  for (std::optional<std::string> value :
       {std::optional<std::string>(), std::optional<std::string>("")}) {
    ScopedEnvironment set({{"ZAVEL_FORECAST_URL", value}});
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
  ScopedEnvironment set({{"ZAVEL_AIR_QUALITY_URL", server.baseURL()}});
  HttpResponse response =
      HttpSession::shared().data(serviceURL(WebService::airQuality, "/v1/air-quality"));
  EXPECT_EQ(response.body, R"({"current":{"us_aqi":42}})");
}
