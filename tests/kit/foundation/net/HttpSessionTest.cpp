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
  server.serve("/s", FakeResponse::json("<html>404</html>", 404));
  HttpResponse response = testSession().data(
      HttpRequest{.url = server.url("/s"), .headers = {{"User-Agent", "Mozilla/5.0"}}});
  EXPECT_EQ(std::to_string(response.statusCode) + response.body, "404<html>404</html>");
  server.serve("/gz", FakeResponse::gzip(std::string(10000, 'z')));
  EXPECT_EQ(testSession().data(server.url("/gz")).body, std::string(10000, 'z'));
  // Redirects are followed, relative or absolute.
  server.serve("/old", FakeResponse::redirect("/hop"));
  server.serve("/hop", FakeResponse::redirect(server.url("/new"), 301));
  server.serve("/new", FakeResponse::json("moved"));
  HttpResponse moved = testSession().data(server.url("/old"));
  EXPECT_EQ(moved.body + " " + moved.url, "moved " + server.url("/new"));
  auto requests = server.requests();
  EXPECT_EQ(requests[0].header("user-agent"), "Mozilla/5.0");
  EXPECT_EQ(requests[1].header("User-Agent"), "zavel-widgets");
}

TEST(HttpSession, FailuresAndBrokenLimitsAreNamedErrors) {
  FakeHttpServer server;
  int closedPort;
  {
    FakeHttpServer gone;
    closedPort = gone.port();
  }
  // Serves `response` at the request's path and requests it there.
  auto failure = [&](FakeResponse response, HttpRequest request) {
    server.serve(request.url, std::move(response));
    request.url = server.url(request.url);
    return failureOf(testSession(), request);
  };
  FakeResponse silent = FakeResponse::json("{}");
  silent.delay = 5s;
  using enum HttpError::Code;
  EXPECT_EQ(failure(FakeResponse::redirect("file:///etc/hostname"), {.url = "/file"}),
            unsupportedURL);
  EXPECT_EQ(failureOf(testSession(), {.url = "file:///etc/hostname"}), unsupportedURL);
  EXPECT_EQ(failureOf(testSession(), {.url = "not a url"}), badURL);
  EXPECT_EQ(failure(FakeResponse::redirect("/loop"), {.url = "/loop"}), tooManyRedirects);
  EXPECT_EQ(failure(FakeResponse::truncated(5000, 1000), {.url = "/cut"}), networkConnectionLost);
  EXPECT_EQ(failureOf(testSession(), {.url = "http://127.0.0.1:" + std::to_string(closedPort)}),
            cannotConnectToHost);
  EXPECT_EQ(failure(silent, {.url = "/silent", .timeout = 300ms}), timedOut);
  EXPECT_EQ(failure(FakeResponse::slowly("half", 2, 5s), {.url = "/stall", .timeout = 300ms}),
            timedOut);
  // Data arrives steadily, but the whole exchange may not take longer.
  EXPECT_EQ(
      failure(FakeResponse::trickle(20ms), {.url = "/trickle", .timeout = 1s, .deadline = 300ms}),
      timedOut);
  EXPECT_EQ(failure(FakeResponse::json("fine"), {.url = "/s", .timeout = 0ms}), timedOut);
  EXPECT_EQ(failure(FakeResponse::huge(kCap + 1, true), {.url = "/declared"}),
            dataLengthExceedsMaximum);
  EXPECT_EQ(failure(FakeResponse::endless(), {.url = "/endless"}), dataLengthExceedsMaximum);
  EXPECT_EQ(failure(FakeResponse::gzip(std::string(4 * kCap, '0')), {.url = "/bomb"}),
            dataLengthExceedsMaximum);
  // The request's own cap replaces the session's.
  EXPECT_EQ(failure(FakeResponse::huge(kCap, true), {.url = "/full", .maxBodyBytes = 1000}),
            dataLengthExceedsMaximum);
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
