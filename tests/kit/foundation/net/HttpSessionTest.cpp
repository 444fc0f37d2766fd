#include "kit/foundation/net/HttpSession.h"
#include "kit/foundation/net/HttpError.h"

#include "support/FakeHttpServer.h"

#include <gtest/gtest.h>

#include <future>

using kit::foundation::HttpError;
using kit::foundation::HttpRequest;
using kit::foundation::HttpResponse;
using kit::foundation::HttpSession;
using testsupport::FakeHttpServer;
using testsupport::FakeResponse;
using namespace std::chrono_literals;

namespace {

constexpr std::size_t kCap = 64 * 1024;

// A session whose limits are short enough for tests, and a deadline so that a missing
// limit shows as a failure instead of a hang.
HttpSession testSession() {
  HttpSession::Configuration configuration;
  configuration.timeout = 2s;
  configuration.deadline = 10s;
  configuration.maxBodyBytes = kCap;
  return HttpSession(configuration);
}

HttpError::Code failureOf(const HttpSession &session, const HttpRequest &request) {
  try {
    HttpResponse response = session.data(request);
    ADD_FAILURE() << request.url << " answered " << response.statusCode;
  } catch (const HttpError &error) {
    return error.code();
  }
  return HttpError::Code::cannotParseResponse;
}

} // namespace

TEST(HttpSession, SendsGetsAndReportsStatusAndBodyWithoutJudgingThem) {
  FakeHttpServer server;
  for (auto [status, body] : {std::pair{404, "<html>404</html>"}, {204, ""}}) {
    server.serve("/s", FakeResponse::json(body, status));
    HttpResponse response = testSession().data(
        HttpRequest{.url = server.url("/s"), .headers = {{"User-Agent", "Mozilla/5.0"}}});
    EXPECT_EQ(std::to_string(response.statusCode) + response.body, std::to_string(status) + body);
  }
  server.serve("/gz", FakeResponse::gzip(std::string(10000, 'z')));
  EXPECT_EQ(testSession().data(server.url("/gz")).body, std::string(10000, 'z'));
  // Redirects are followed, relative or absolute.
  server.serve("/old", FakeResponse::redirect("/hop"));
  server.serve("/hop", FakeResponse::redirect(server.url("/new"), 301));
  server.serve("/new", FakeResponse::json("moved"));
  HttpResponse moved = testSession().data(server.url("/old"));
  EXPECT_EQ(moved.body + " " + moved.url, "moved " + server.url("/new"));
  auto requests = server.requests();
  EXPECT_EQ(requests[0].method, "GET");
  EXPECT_EQ(requests[0].header("user-agent"), "Mozilla/5.0");
  EXPECT_EQ(requests[2].header("User-Agent"), "zavel-widgets");
  EXPECT_NE(requests[2].header("Accept-Encoding")->find("gzip"), std::string::npos);
}

TEST(HttpSession, FailuresAndBrokenLimitsAreNamedErrors) {
  FakeHttpServer server;
  int closedPort;
  {
    FakeHttpServer gone;
    closedPort = gone.port();
  }
  server.serve("/file", FakeResponse::redirect("file:///etc/hostname"));
  server.serve("/loop", FakeResponse::redirect("/loop"));
  server.serve("/cut", FakeResponse::truncated(5000, 1000));
  FakeResponse silent = FakeResponse::json("{}");
  silent.delay = 5s;
  server.serve("/silent", silent);
  server.serve("/stall", FakeResponse::slowly("half", 2, 5s));
  server.serve("/trickle", FakeResponse::trickle(20ms));
  server.serve("/s", FakeResponse::json("fine"));
  server.serve("/declared", FakeResponse::huge(kCap + 1, true));
  server.serve("/endless", FakeResponse::endless());
  server.serve("/bomb", FakeResponse::gzip(std::string(4 * kCap, '0')));
  server.serve("/full", FakeResponse::huge(kCap, true));
  using enum HttpError::Code;
  struct Case {
    HttpRequest request;
    HttpError::Code code;
  } cases[] = {
      {{.url = server.url("/file")}, unsupportedURL},
      {{.url = "file:///etc/hostname"}, unsupportedURL},
      {{.url = "not a url"}, badURL},
      {{.url = server.url("/loop")}, tooManyRedirects},
      {{.url = server.url("/cut")}, networkConnectionLost},
      {{.url = "http://127.0.0.1:" + std::to_string(closedPort) + "/"}, cannotConnectToHost},
      {{.url = server.url("/silent"), .timeout = 300ms}, timedOut},
      {{.url = server.url("/stall"), .timeout = 300ms}, timedOut},
      // Data arrives steadily, but the whole exchange may not take longer.
      {{.url = server.url("/trickle"), .timeout = 1s, .deadline = 300ms}, timedOut},
      {{.url = server.url("/s"), .timeout = 0ms}, timedOut},
      {{.url = server.url("/declared")}, dataLengthExceedsMaximum},
      {{.url = server.url("/endless")}, dataLengthExceedsMaximum},
      {{.url = server.url("/bomb")}, dataLengthExceedsMaximum},
      // The request's own cap replaces the session's.
      {{.url = server.url("/full"), .maxBodyBytes = 1000}, dataLengthExceedsMaximum},
  };
  for (const auto &c : cases)
    EXPECT_EQ(failureOf(testSession(), c.request), c.code) << c.request.url;
  // A refused scheme is never fetched, not even by the server that redirected to it.
  EXPECT_EQ(server.requests("/file").size(), 1u);
}

TEST(HttpSession, RequestsWithinTheLimitsArrive) {
  FakeHttpServer server;
  // Eight pieces 150 ms apart: over a second in all, never 600 ms without data.
  server.serve("/slow", FakeResponse::slowly("0123456789", 8, 150ms));
  server.serve("/declared", FakeResponse::huge(kCap, true));
  server.serve("/undeclared", FakeResponse::huge(kCap, false));
  auto bytes = [](const HttpRequest &request) { return testSession().data(request).body.size(); };
  EXPECT_EQ(bytes({.url = server.url("/slow"), .timeout = 600ms}), 80u);
  constexpr auto forever = std::chrono::milliseconds::max();
  EXPECT_EQ(bytes({.url = server.url("/declared"), .timeout = forever, .deadline = forever}), kCap);
  EXPECT_EQ(bytes({.url = server.url("/undeclared")}), kCap);
}

TEST(HttpSession, RequestsFromSeveralThreadsRunAtOnce) {
  FakeHttpServer server;
  for (int i = 0; i < 4; ++i) {
    FakeResponse response = FakeResponse::json("body " + std::to_string(i));
    response.holdUntilInFlight = 4;
    server.serve("/p" + std::to_string(i), response);
  }
  std::vector<std::future<HttpResponse>> answers;
  for (int i = 0; i < 4; ++i)
    answers.push_back(std::async(std::launch::async, [&server, i] {
      return HttpSession::shared().data(server.url("/p" + std::to_string(i)));
    }));
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(answers[i].get().body, "body " + std::to_string(i));
  EXPECT_EQ(server.maxInFlight(), 4);
}
