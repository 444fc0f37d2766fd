#include "kit/foundation/JsonCoding.h"

#include <cmath>
#include <fmt/format.h>
#include <gtest/gtest.h>

using namespace kit::foundation;

namespace {

struct Lap {
  int64_t number = 0;
  double seconds = 0;
  bool operator==(const Lap &) const = default;
  static constexpr auto jsonFields() {
    return std::tuple{field("number", &Lap::number), field("seconds", &Lap::seconds)};
  }
};

struct Session {
  UUID id;
  std::string title;
  Date start;
  bool running = false;
  std::optional<std::string> note;
  std::optional<Date> end;
  std::vector<Lap> laps;
  std::set<std::string> tags;
  bool operator==(const Session &) const = default;
  static constexpr auto jsonFields() {
    return std::tuple{field("id", &Session::id),       field("title", &Session::title),
                      field("start", &Session::start), field("running", &Session::running),
                      field("note", &Session::note),   field("end", &Session::end),
                      field("laps", &Session::laps),   field("tags", &Session::tags)};
  }
};

const char *kSessionJson = R"({"id":"e621e1f8-c36c-495a-93fc-0c247a3e6e5f","title":"Run",
  "start":-12.5,"running":true,"laps":[{"number":1,"seconds":61.5}],"tags":["b","a","b"]})";

template <class T> std::optional<T> decodeText(const std::string &text) {
  return decodeJsonData<T>(text);
}

// What a JSON text reads as, as integer, 32-bit integer, number and boolean ("-" for nothing).
std::string readAs(const char *json) {
  auto shown = [](const auto &value) { return value ? fmt::format("{}", *value) : "-"; };
  return fmt::format("{} {} {} {}", shown(decodeText<int64_t>(json)),
                     shown(decodeText<int32_t>(json)), shown(decodeText<double>(json)),
                     shown(decodeText<bool>(json)));
}

} // namespace

TEST(JsonCoding, ScalarsFollowThePlatformDecoderRules) {
  for (auto [json, read] : {
           std::pair{"3.0", "3 3 3 -"},
           {"2.5", "- - 2.5 -"},
           {"true", "- - - true"},
           {"0", "0 0 0 -"}, // 0 is no boolean
           {"\"3\"", "- - - -"},
           {"9223372036854775807", "9223372036854775807 - 9.223372036854776e+18 -"},
           {"9223372036854775808", "- - 9.223372036854776e+18 -"},
           {"3000000000", "3000000000 - 3000000000 -"},
           {"1e400", "- - - -"}, // not finite
       })
    EXPECT_EQ(readAs(json), read) << json;
  EXPECT_FALSE(decodeText<std::string>("7"));
  EXPECT_FALSE(decodeText<Date>(R"("2001-01-01T00:00:00Z")")); // a date is a number
}

TEST(JsonCoding, RecordReadsWholeOrNotAtAll) {
  // Optionals may be absent and unknown members are ignored.
  auto session = decodeText<Session>(std::string(kSessionJson).insert(1, R"("extra":[1,2],)"));
  ASSERT_TRUE(session);
  EXPECT_EQ(session->laps, (std::vector<Lap>{{1, 61.5}}));
  EXPECT_EQ(session->tags, (std::set<std::string>{"a", "b"}));
  // Any bad required member makes the whole record unreadable.
  struct Case {
    const char *from;
    const char *to;
    bool readable;
  } cases[] = {
      {R"("title":"Run",)", "", false},               // required member missing
      {R"("title":"Run")", R"("title":null)", false}, // required member null
      {R"("running":true)", R"("running":1)", false}, // 1 is no boolean
      {R"("number":1)", R"("number":1.5)", false},    // one bad element spoils the array
      {R"("running":true)", R"("running":true,"note":null,"end":null)", true},
      {R"("running":true)", R"("running":true,"note":7)", false}, // optional of the wrong type
  };
  for (const auto &c : cases) {
    std::string text = kSessionJson;
    auto at = text.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    text.replace(at, std::strlen(c.from), c.to);
    EXPECT_EQ(decodeText<Session>(text).has_value(), c.readable) << text;
  }
  EXPECT_FALSE(decodeText<std::vector<Session>>(std::string("[") + kSessionJson + ",{}]"));
}

TEST(JsonCoding, EncodingLeavesOutAbsentOptionalsAndRoundTrips) {
  Session session;
  session.id = *UUID::fromString("e621e1f8-c36c-495a-93fc-0c247a3e6e5f");
  session.title = "Run \xE2\x80\x94 5k";
  session.start = Date{-3600};
  EXPECT_EQ(jsonText(encodeJson(session)),
            R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","laps":[],"running":false,)"
            R"("start":-3600.0,"tags":[],"title":"Run — 5k"})");

  session.note = "fast";
  session.end = Date{0};
  session.laps = {{1, 0.1}, {2, 1e-7}};
  session.tags = {"x"};
  EXPECT_EQ(decodeText<Session>(encodeJsonData(session).value()), session);
}

TEST(JsonCoding, NonFiniteNumbersAndIllFormedTextCannotBeEncoded) {
  ASSERT_TRUE(encodeJsonData(Session{}));
  Session nan, date, text;
  nan.laps = {{1, std::nan("")}};
  date.start = Date{-INFINITY};
  text.title = "bad \xFF byte";
  for (const auto &session : {nan, date, text})
    EXPECT_FALSE(encodeJsonData(session)) << session.title;
  // A non-finite number put into raw JSON is refused too, never written as null.
  EXPECT_THROW(jsonText(Json::array({1.0, NAN})), EncodeError);
}

TEST(JsonCoding, DictionariesReadWhole) {
  using Days = std::map<std::string, std::map<std::string, int64_t>>;
  auto days = decodeText<Days>(R"({"2024-03-01":{"Mail":60,"Notes":1.2e2}})");
  ASSERT_TRUE(days);
  EXPECT_EQ((*days)["2024-03-01"]["Notes"], 120);
  EXPECT_FALSE(decodeText<Days>(R"({"2024-03-01":[]})"));
}

// Text nested too deep is refused before the parser sees it, however deep (the parser, the
// values' destructor and the writer recurse), while brackets inside strings are only text.
TEST(JsonCoding, TextNestedDeeperThan512LevelsIsNotReadAtAll) {
  auto nested = [](std::size_t depth, const char *open, const char *inner, const char *close) {
    std::string text;
    for (std::size_t i = 0; i < depth; ++i)
      text += open;
    text += inner;
    for (std::size_t i = 0; i < depth; ++i)
      text += close;
    return text;
  };
  std::string siblings;
  for (int i = 0; i < 1000; ++i)
    siblings += "[{}],";
  struct Case {
    const char *name;
    std::string text;
    bool read;
  } cases[] = {
      {"arrays 512 deep", nested(512, "[", "1", "]"), true},
      {"arrays 513 deep", nested(513, "[", "1", "]"), false},
      {"objects 513 deep", nested(513, "{\"a\":", "1", "}"), false},
      {"a member 70,000 deep", R"({"id":1,"x":)" + nested(70000, "[", "", "]") + "}", false},
      {"brackets inside a string", "[\"" + std::string(5000, '[') + "\\\"[{\"]", true},
      {"a thousand siblings", "[" + siblings + "[]]", true},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(parseJson(c.text).has_value(), c.read) << c.name;
    EXPECT_EQ(decodeJsonData<Json>(c.text).has_value(), c.read) << c.name;
  }
}
