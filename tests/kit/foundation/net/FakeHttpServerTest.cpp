#include "kit/foundation/net/HttpSession.h"

#include "support/FakeHttpServer.h"

#include <gtest/gtest.h>

using kit::foundation::HttpSession;
using testsupport::FakeHttpServer;
using testsupport::FakeResponse;
using testsupport::RecordedRequest;

TEST(FakeHttpServer, AnswersUnknownPathsWith404AndRecordsThem) {
  FakeHttpServer server;
  auto response = HttpSession::shared().data(server.url("/nothing?x=1"));
  EXPECT_EQ(response.statusCode, 404);
  ASSERT_EQ(server.requestCount(), 1u);
  EXPECT_EQ(server.requests()[0].path, "/nothing");
  EXPECT_EQ(server.requests()[0].target, "/nothing?x=1");
}

TEST(FakeHttpServer, HandlersSeeEachRequestAndRecordsCanBeCleared) {
  FakeHttpServer server;
  int calls = 0;
  server.on("/count", [&calls](const RecordedRequest &request) {
    ++calls;
    return FakeResponse::json(request.queryValue("n").value_or("none") + std::to_string(calls));
  });
  EXPECT_EQ(HttpSession::shared().data(server.url("/count?n=a")).body, "a1");
  server.clearRecords();
  EXPECT_EQ(HttpSession::shared().data(server.url("/count")).body, "none2");
  ASSERT_EQ(server.requests("/count").size(), 1u);
  EXPECT_EQ(server.requests("/count")[0].query.size(), 0u);
  EXPECT_EQ(server.maxInFlight(), 1);
}
