#include "kit/foundation/net/HttpSession.h"
#include "kit/foundation/net/HttpError.h"
#include "kit/foundation/net/URLEncoding.h"

#include "support/FakeHttpServer.h"

#include <gtest/gtest.h>

#include <future>

using kit::foundation::HttpError;
using kit::foundation::HttpRequest;
using kit::foundation::HttpResponse;
using kit::foundation::HttpSession;
using kit::foundation::URLQueryItem;
using kit::foundation::urlWithQueryItems;
using testsupport::FakeHttpServer;
using testsupport::FakeResponse;
using namespace std::chrono_literals;

namespace {

// A session whose limits are short enough for tests, and a deadline so that a missing
// limit shows as a failure instead of a hang.
HttpSession testSession() {
  HttpSession::Configuration configuration;
  configuration.timeout = 2s;
  configuration.deadline = 10s;
  configuration.maxBodyBytes = 64 * 1024;
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

namespace kit::foundation {
void PrintTo(HttpError::Code code, std::ostream *out) { *out << name(code); }
} // namespace kit::foundation

TEST(HttpSession, ReportsStatusAndBodyWithoutJudgingThem) {
  FakeHttpServer server;
  struct Case {
    int status;
    std::string body;
  } cases[] = {
      {200, R"({"ok":true})"}, {404, "<html>missing</html>"}, {500, R"({"e":1})"}, {204, ""}};
  for (const auto &c : cases) {
    server.serve("/s", FakeResponse::json(c.body, c.status));
    HttpResponse response = testSession().data(server.url("/s"));
    EXPECT_EQ(response.statusCode, c.status);
    EXPECT_EQ(response.body, c.body);
  }
}

TEST(HttpSession, SendsOneGetWithTheRequestsHeaders) {
  FakeHttpServer server;
  server.serve("/h", FakeResponse::json("{}"));
  testSession().data(HttpRequest{.url = server.url("/h"),
                                 .headers = {{"User-Agent", "Mozilla/5.0"}, {"X-Probe", "1"}}});
  testSession().data(server.url("/h"));
  auto requests = server.requests("/h");
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].method, "GET");
  EXPECT_EQ(requests[0].header("user-agent"), "Mozilla/5.0");
  EXPECT_EQ(requests[0].header("X-Probe"), "1");
  EXPECT_EQ(requests[1].header("User-Agent"), "zavel-widgets");
  EXPECT_EQ(requests[1].header("X-Probe"), std::nullopt);
}

TEST(HttpSession, QueryItemsArriveDecodedInOrder) {
  FakeHttpServer server;
  server.serve("/q", FakeResponse::json("{}"));
  std::vector<URLQueryItem> items = {
      {"name", "São Paulo & Co"}, {"plus", "a+b=c"}, {"latitude", "-0.1276"},
      {"list", "a,b:c/d?e#f"},    {"empty", ""},     {"pct", "100%"},
  };
  testSession().data(urlWithQueryItems(server.url("/q"), items));
  auto requests = server.requests("/q");
  ASSERT_EQ(requests.size(), 1u);
  ASSERT_EQ(requests[0].query.size(), items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(requests[0].query[i].first, items[i].name);
    EXPECT_EQ(requests[0].query[i].second, items[i].value);
  }
}

TEST(HttpSession, DecodesCompressedBodies) {
  FakeHttpServer server;
  std::string body(10000, 'z');
  server.serve("/gz", FakeResponse::gzip(body));
  EXPECT_EQ(testSession().data(server.url("/gz")).body, body);
  EXPECT_NE(server.requests("/gz")[0].header("Accept-Encoding")->find("gzip"), std::string::npos);
}

TEST(HttpSession, FollowsRedirectsOverHttp) {
  FakeHttpServer server;
  server.serve("/old", FakeResponse::redirect("/hop"));
  server.serve("/hop", FakeResponse::redirect(server.url("/new"), 301));
  server.serve("/new", FakeResponse::json("moved"));
  HttpResponse response = testSession().data(server.url("/old"));
  EXPECT_EQ(response.statusCode, 200);
  EXPECT_EQ(response.body, "moved");
  EXPECT_EQ(response.url, server.url("/new"));
}

TEST(HttpSession, FailuresAreNamedErrors) {
  FakeHttpServer server;
  int closedPort;
  {
    FakeHttpServer gone;
    closedPort = gone.port();
  }
  server.serve("/ftp", FakeResponse::redirect("ftp://127.0.0.1/file"));
  server.serve("/file", FakeResponse::redirect("file:///etc/hostname"));
  server.serve("/loop", FakeResponse::redirect("/loop"));
  server.serve("/cut", FakeResponse::truncated(5000, 1000));
  using enum HttpError::Code;
  struct Case {
    std::string url;
    HttpError::Code code;
  } cases[] = {
      {server.url("/ftp"), unsupportedURL},
      {server.url("/file"), unsupportedURL},
      {"file:///etc/hostname", unsupportedURL},
      {"javascript:alert(1)", unsupportedURL},
      {"not a url", badURL},
      {"http://exa mple.com/", badURL},
      {"", badURL},
      {server.url("/loop"), tooManyRedirects},
      {server.url("/cut"), networkConnectionLost},
      {"http://127.0.0.1:" + std::to_string(closedPort) + "/", cannotConnectToHost},
  };
  for (const auto &c : cases)
    EXPECT_EQ(failureOf(testSession(), {.url = c.url}), c.code) << c.url;
  // A refused scheme is never fetched, not even by the server that redirected to it.
  EXPECT_EQ(server.requests("/file").size(), 1u);
}

TEST(HttpSession, GivesUpWhenNoDataArrivesWithinTheTimeOut) {
  FakeHttpServer server;
  FakeResponse silent = FakeResponse::json("{}");
  silent.delay = 5s;
  server.serve("/silent", silent);
  server.serve("/stall", FakeResponse::slowly("half", 2, 5s));
  for (const char *path : {"/silent", "/stall"})
    EXPECT_EQ(failureOf(testSession(), {.url = server.url(path), .timeout = 300ms}),
              HttpError::Code::timedOut)
        << path;
}

TEST(HttpSession, DataArrivingKeepsASlowRequestAlive) {
  FakeHttpServer server;
  // Eight pieces 150 ms apart: over a second in all, never 600 ms without data.
  server.serve("/slow", FakeResponse::slowly("0123456789", 8, 150ms));
  HttpResponse response = testSession().data({.url = server.url("/slow"), .timeout = 600ms});
  EXPECT_EQ(response.body.size(), 80u);
}

TEST(HttpSession, TheDeadlineEndsATrickleThatNeverStalls) {
  FakeHttpServer server;
  server.serve("/trickle", FakeResponse::trickle(20ms));
  EXPECT_EQ(
      failureOf(testSession(), {.url = server.url("/trickle"), .timeout = 1s, .deadline = 300ms}),
      HttpError::Code::timedOut);
}

TEST(HttpSession, LimitsBeyondAnyClockMeanNoLimit) {
  FakeHttpServer server;
  server.serve("/s", FakeResponse::json("fine"));
  HttpRequest request{.url = server.url("/s"),
                      .timeout = std::chrono::milliseconds::max(),
                      .deadline = std::chrono::milliseconds::max()};
  EXPECT_EQ(testSession().data(request).body, "fine");
  request.timeout = 0ms;
  EXPECT_EQ(failureOf(testSession(), request), HttpError::Code::timedOut);
}

TEST(HttpSession, BodiesOverTheCapFail) {
  FakeHttpServer server;
  constexpr std::size_t cap = 64 * 1024;
  server.serve("/declared", FakeResponse::huge(cap + 1, true));
  server.serve("/undeclared", FakeResponse::huge(cap + 1, false));
  server.serve("/endless", FakeResponse::endless());
  server.serve("/bomb", FakeResponse::gzip(std::string(4 * cap, '0')));
  for (const char *path : {"/declared", "/undeclared", "/endless", "/bomb"})
    EXPECT_EQ(failureOf(testSession(), {.url = server.url(path)}),
              HttpError::Code::dataLengthExceedsMaximum)
        << path;
}

TEST(HttpSession, BodiesUpToTheCapArrive) {
  FakeHttpServer server;
  server.serve("/declared", FakeResponse::huge(64 * 1024, true));
  server.serve("/undeclared", FakeResponse::huge(64 * 1024, false));
  for (const char *path : {"/declared", "/undeclared"})
    EXPECT_EQ(testSession().data(server.url(path)).body.size(), 64u * 1024) << path;
  // The request's own cap replaces the session's.
  EXPECT_EQ(failureOf(testSession(), {.url = server.url("/declared"), .maxBodyBytes = 1000}),
            HttpError::Code::dataLengthExceedsMaximum);
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
