#include "kit/foundation/Defaults.h"

#include "support/TempHome.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace kit::foundation;
using zavel::test::TempHome;

namespace {

constexpr const char *kSuite = "group.test";

Defaults openSuite(const TempHome &home) {
  auto suite = Defaults::suite(kSuite, home.path());
  if (!suite)
    throw std::runtime_error("the test suite does not open");
  return std::move(*suite);
}

// Runs SQL on the file as another program would.
void runSql(const std::filesystem::path &file, const char *sql) {
  sqlite3 *raw = nullptr;
  sqlite3_open(file.c_str(), &raw);
  std::unique_ptr<sqlite3, int (*)(sqlite3 *)> database(raw, sqlite3_close);
  ASSERT_EQ(sqlite3_exec(raw, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(raw);
}

} // namespace

TEST(Defaults, TypedGettersCoerceLikeThePlatform) {
  using Strings = std::vector<std::string>;
  struct Case {
    const char *name;
    DefaultsValue stored;
    std::optional<std::string> data;
    int64_t integer;
    std::optional<std::string> string;
    std::optional<Strings> strings;
  } cases[] = {
      {"data", Data{"{\"a\":1}"}, "{\"a\":1}", 0, std::nullopt, std::nullopt},
      {"integer", int64_t{-42}, std::nullopt, -42, "-42", std::nullopt},
      {"double", 2.75, std::nullopt, 2, "2.75", std::nullopt},
      {"negative double", -2.75, std::nullopt, -2, "-2.75", std::nullopt},
      {"huge double", 1e300, std::nullopt, INT64_MAX, "1e+300", std::nullopt},
      {"true", true, std::nullopt, 1, "1", std::nullopt},
      {"numeric string", std::string("24"), std::nullopt, 24, "24", std::nullopt},
      {"decimal string", std::string("12.9"), std::nullopt, 12, "12.9", std::nullopt},
      {"word", std::string("12 hours"), std::nullopt, 0, "12 hours", std::nullopt},
      {"strings", Strings{"b", "a"}, std::nullopt, 0, std::nullopt, Strings{"b", "a"}},
  };
  TempHome home;
  auto suite = openSuite(home);
  for (const auto &c : cases)
    ASSERT_TRUE(suite.set(c.name, c.stored)) << c.name;
  // A fresh connection, as every access makes.
  auto reader = openSuite(home);
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(reader.object(c.name), c.stored);
    EXPECT_EQ(reader.data(c.name), c.data);
    EXPECT_EQ(reader.integer(c.name), c.integer);
    EXPECT_EQ(reader.string(c.name), c.string);
    EXPECT_EQ(reader.stringArray(c.name), c.strings);
  }
  // Plain literals pick the type a reader expects, never a boolean.
  ASSERT_TRUE(suite.set("literal text", "24"));
  ASSERT_TRUE(suite.set("literal number", 24));
  EXPECT_EQ(reader.object("literal text"), DefaultsValue(std::string("24")));
  EXPECT_EQ(reader.object("literal number"), DefaultsValue(int64_t{24}));
  EXPECT_EQ(reader.integer("missing"), 0);
  EXPECT_EQ(reader.object("missing"), std::nullopt);
}

TEST(Defaults, AWriteReplacesTheWholeValueAndRemovalForgetsIt) {
  TempHome home;
  auto suite = openSuite(home);
  ASSERT_TRUE(suite.set("k", Data{"one"}));
  ASSERT_TRUE(suite.set("k", int64_t{12}));
  EXPECT_EQ(openSuite(home).data("k"), std::nullopt);
  EXPECT_EQ(openSuite(home).integer("k"), 12);
  ASSERT_TRUE(suite.removeObject("k"));
  EXPECT_EQ(openSuite(home).object("k"), std::nullopt);
  EXPECT_TRUE(suite.removeObject("never there"));
  ASSERT_TRUE(suite.set("k", 1.5));
  EXPECT_FALSE(suite.set("k", std::nan("")));
  EXPECT_EQ(openSuite(home).object("k"), DefaultsValue(1.5));
}

TEST(Defaults, RowsOfAForeignWriterReadOnlyWhenWellFormed) {
  TempHome home;
  openSuite(home);
  runSql(home.suiteFile(kSuite), R"(INSERT INTO entries VALUES
      ('mixed', 'array', '["a",1]'), ('broken', 'array', '["a"'), ('odd', 'colour', 'red'),
      ('texty', 'integer', '31'))");
  auto suite = openSuite(home);
  EXPECT_EQ(suite.object("mixed"), std::nullopt);
  EXPECT_EQ(suite.stringArray("mixed"), std::nullopt);
  EXPECT_EQ(suite.stringArray("broken"), std::nullopt);
  EXPECT_EQ(suite.object("odd"), std::nullopt);
  EXPECT_EQ(suite.integer("texty"), 31);
  // Text that is not UTF-8 has no array form, so the write is refused.
  EXPECT_FALSE(suite.set("list", std::vector<std::string>{"a", "\xFF"}));
}

TEST(Defaults, SuiteThatCannotBeOpenedIsNone) {
  auto suites = [](const TempHome &home) { return home.path() / "suites"; };
  struct Case {
    const char *name;
    std::function<void(const TempHome &)> spoil;
  } cases[] = {
      {"folder where the file belongs",
       [](const TempHome &home) { std::filesystem::create_directories(home.suiteFile(kSuite)); }},
      {"file where the folder belongs",
       [&](const TempHome &home) { std::ofstream(suites(home)) << "x"; }},
      {"file that is not a database",
       [&](const TempHome &home) {
         std::filesystem::create_directories(suites(home));
         std::ofstream(home.suiteFile(kSuite)) << std::string(4096, 'z');
       }},
      {"another table layout",
       [&](const TempHome &home) {
         std::filesystem::create_directories(suites(home));
         runSql(home.suiteFile(kSuite), "CREATE TABLE entries(key TEXT PRIMARY KEY, value)");
       }},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    TempHome home;
    c.spoil(home);
    EXPECT_FALSE(Defaults::suite(kSuite, home.path()));
  }
}

TEST(Defaults, StandardStoreFallsBackToMemoryForTheLifeOfTheProcess) {
  TempHome home;
  EXPECT_EQ(Defaults::standard(home.path()).name(), "standard");
  ASSERT_TRUE(Defaults::standard(home.path()).set("on disk", int64_t{7}));
  EXPECT_TRUE(std::filesystem::is_regular_file(home.suiteFile("standard")));
  EXPECT_EQ(Defaults::standard(home.path()).integer("on disk"), 7);

  TempHome broken;
  std::filesystem::create_directories(broken.suiteFile("standard"));
  ASSERT_TRUE(Defaults::standard(broken.path()).set("in memory", Data{"kept"}));
  EXPECT_EQ(Defaults::standard(broken.path()).data("in memory"), "kept");
  EXPECT_EQ(Defaults::standard(broken.path()).integer("on disk"), 0);
}

TEST(Defaults, ObserversHearEverySuccessfulWrite) {
  TempHome home;
  std::vector<std::string> heard;
  auto suite = openSuite(home);
  {
    DefaultsWriteObserver observer([&](std::string_view store, std::string_view key) {
      heard.push_back(std::string(store) + ":" + std::string(key));
    });
    suite.set("a", int64_t{1});
    suite.removeObject("a");
    suite.set("bad", std::vector<std::string>{"\xFF"}); // refused: not heard
    Defaults::standard(home.path()).set("b", true);
  }
  suite.set("after", int64_t{1});
  EXPECT_EQ(heard, (std::vector<std::string>{"group.test:a", "group.test:a", "standard:b"}));
}
