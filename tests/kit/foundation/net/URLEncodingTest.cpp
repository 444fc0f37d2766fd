#include "kit/foundation/net/URLEncoding.h"

#include <gtest/gtest.h>

using namespace kit::foundation;

TEST(URLEncoding, QueryComponentsKeepOnlyUnreservedCharacters) {
  struct Case {
    std::string_view in, out;
  } cases[] = {
      {"Az09-._~ ", "Az09-._~%20"},
      {"a+b&c=d#y?z/w%", "a%2Bb%26c%3Dd%23y%3Fz%2Fw%25"},
      {"Z\xC3\xBCrich", "Z%C3%BCrich"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(percentEncodedQueryComponent(c.in), c.out) << c.in;
}

TEST(URLEncoding, PathSegmentsCannotChangeTheTarget) {
  struct Case {
    std::string_view in, out;
  } cases[] = {
      {"EURUSD=X", "EURUSD=X"},
      {"^A/B#Y?Z", "%5EA%2FB%23Y%3FZ"},
      {"..", "%2E%2E"},
      {"..a", "..a"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(percentEncodedPathSegment(c.in), c.out) << c.in;
}

TEST(URLEncoding, QueryItemsReplaceTheQueryInOrder) {
  std::vector<URLQueryItem> items = {{"range", "1d"}, {"a b", "c&d"}};
  EXPECT_EQ(urlWithQueryItems("http://h/p", items), "http://h/p?range=1d&a%20b=c%26d");
  EXPECT_EQ(urlWithQueryItems("http://h/p?old#top", items), "http://h/p?range=1d&a%20b=c%26d#top");
  EXPECT_EQ(urlWithQueryItems("http://h/p?old", {}), "http://h/p");
}

TEST(URLEncoding, AppendingPathPutsOneSlashBetween) {
  EXPECT_EQ(appendingPath("http://h:1/", "/v1/search"), "http://h:1/v1/search");
  EXPECT_EQ(appendingPath("http://h/api", "v1/search"), "http://h/api/v1/search");
  EXPECT_EQ(appendingPath("http://h/api/", ""), "http://h/api");
}
