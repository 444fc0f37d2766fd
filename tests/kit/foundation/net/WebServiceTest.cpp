#include "kit/foundation/net/WebService.h"
#include "kit/foundation/net/HttpError.h"
#include "kit/foundation/net/HttpSession.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

using namespace kit::foundation;
using zavel::test::ScopedEnvironment;

TEST(WebService, EachServiceReadsItsOwnVariable) {
  for (auto [service, variable] : {std::pair{WebService::forecast, "ZAVEL_FORECAST_URL"},
                                   {WebService::geocoding, "ZAVEL_GEOCODING_URL"},
                                   {WebService::airQuality, "ZAVEL_AIR_QUALITY_URL"},
                                   {WebService::stocks, "ZAVEL_STOCKS_URL"}}) {
    ScopedEnvironment environment({{variable, std::string("http://h/") + variable + "/"}});
    EXPECT_EQ(serviceURL(service, "/v1/x"), std::string("http://h/") + variable + "/v1/x");
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
  }
}
