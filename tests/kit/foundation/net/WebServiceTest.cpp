#include "kit/foundation/net/WebService.h"
#include "kit/foundation/net/HttpError.h"
#include "kit/foundation/net/HttpSession.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

using namespace kit::foundation;
using zavel::test::ScopedEnvironment;

TEST(WebService, EachServiceReadsItsOwnVariable) {
  ScopedEnvironment environment({{"ZAVEL_FORECAST_URL", std::string("http://f/base/")},
                                 {"ZAVEL_GEOCODING_URL", std::string("http://g")},
                                 {"ZAVEL_AIR_QUALITY_URL", std::string("http://a/")},
                                 {"ZAVEL_STOCKS_URL", std::string("http://s/")}});
  EXPECT_EQ(serviceURL(WebService::forecast, "/v1/x"), "http://f/base/v1/x");
  EXPECT_EQ(serviceURL(WebService::geocoding, "/v1/x"), "http://g/v1/x");
  EXPECT_EQ(serviceURL(WebService::airQuality, "/v1/x"), "http://a/v1/x");
  EXPECT_EQ(serviceURL(WebService::stocks, "/v1/x"), "http://s/v1/x");
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
  }
}
