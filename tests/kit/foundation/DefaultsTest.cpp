#include "kit/foundation/Defaults.h"
#include "kit/foundation/DefaultsCoercion.h"
#include "kit/foundation/WriteFailureObserver.h"

#include "support/CountedBusyWaits.h"
#include "support/StoreLock.h"
#include "support/TempHome.h"

#include <atomic>
#include <cmath>
#include <fmt/format.h>
#include <fmt/ranges.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <thread>

using namespace kit::foundation;
using zavel::test::CountedBusyWaits;
using zavel::test::StoreLock;
using zavel::test::TempHome;

namespace {

constexpr const char *kSuite = "group.test";
constexpr std::chrono::milliseconds kBusyTimeout(5000);

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

void fileOf(const std::filesystem::path &file, const std::string &text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << text;
}

// What each typed getter makes of a key, in one line.
std::string gotten(const Defaults &suite, const char *key) {
  auto strings = suite.stringArray(key);
  return fmt::format("{} {} {} {}", suite.data(key).value_or("-"), suite.integer(key),
                     suite.string(key).value_or("-"),
                     strings ? fmt::format("{}", fmt::join(*strings, ",")) : "-");
}

} // namespace

TEST(Defaults, TypedGettersCoerceLikeThePlatform) {
  struct Case {
    const char *name;
    DefaultsValue stored;
    const char *gotten;
  } cases[] = {
      {"data", Data{"{}"}, "{} 0 - -"},
      {"integer", int64_t{-42}, "- -42 -42 -"},
      {"negative double", -2.75, "- -2 -2.75 -"},
      {"huge double", 1e300, "- 9223372036854775807 1e+300 -"},
      {"numeric string", std::string("12.9"), "- 12 12.9 -"},
      {"true", true, "- 1 1 -"},
      {"word", std::string("12 hours"), "- 0 12 hours -"},
      {"strings", std::vector<std::string>{"b", "a"}, "- 0 - b,a"},
  };
  TempHome home;
  auto suite = openSuite(home);
  for (const auto &c : cases)
    ASSERT_TRUE(suite.set(c.name, c.stored)) << c.name;
  // A fresh connection, as every access makes.
  auto reader = openSuite(home);
  for (const auto &c : cases) {
    EXPECT_EQ(reader.object(c.name), c.stored) << c.name;
    EXPECT_EQ(gotten(reader, c.name), c.gotten);
  }
  // Plain literals pick the type a reader expects, never a boolean.
  ASSERT_TRUE(suite.set("literal text", "24"));
  ASSERT_TRUE(suite.set("literal number", 24));
  EXPECT_EQ(reader.object("literal text"), DefaultsValue(std::string("24")));
  EXPECT_EQ(reader.object("literal number"), DefaultsValue(int64_t{24}));
  EXPECT_EQ(gotten(reader, "missing"), "- 0 - -");
}

TEST(Defaults, AWriteReplacesTheWholeValueAndRemovalForgetsItAndObserversHearEach) {
  TempHome home;
  auto suite = openSuite(home);
  std::vector<std::string> heard;
  std::optional<DefaultsWriteObserver> observer(
      std::in_place, [&](std::string_view store, std::string_view key) {
        heard.push_back(std::string(store) + ":" + std::string(key));
      });
  ASSERT_TRUE(suite.set("k", Data{"one"}));
  ASSERT_TRUE(suite.set("k", 1.5));
  EXPECT_FALSE(suite.set("k", std::nan("")));
  EXPECT_EQ(openSuite(home).object("k"), DefaultsValue(1.5));
  ASSERT_TRUE(suite.removeObject("k"));
  EXPECT_EQ(openSuite(home).object("k"), std::nullopt);
  Defaults::standard(home.path()).set("s", true);
  observer.reset();
  suite.set("after", int64_t{1});
  // Refused writes are not heard.
  EXPECT_EQ(heard, (std::vector<std::string>{"group.test:k", "group.test:k", "group.test:k",
                                             "standard:s"}));
}

TEST(Defaults, RowsOfAForeignWriterReadOnlyWhenWellFormed) {
  TempHome home;
  openSuite(home);
  runSql(home.suiteFile(kSuite), R"(INSERT INTO entries VALUES
      ('mixed', 'array', '["a",1]'), ('broken', 'array', '["a"'), ('odd', 'colour', 'red'),
      ('texty', 'integer', '31'))");
  auto suite = openSuite(home);
  EXPECT_EQ(suite.stringArray("mixed"), std::nullopt);
  EXPECT_EQ(suite.stringArray("broken"), std::nullopt);
  EXPECT_EQ(suite.object("odd"), std::nullopt);
  EXPECT_EQ(suite.integer("texty"), 31);
  // Text that is not UTF-8 has no array form, so the write is refused.
  EXPECT_FALSE(suite.set("list", std::vector<std::string>{"a", "\xFF"}));
}

TEST(Defaults, SuiteThatCannotBeOpenedIsNone) {
  using Spoil = void (*)(const std::filesystem::path &);
  for (Spoil spoil :
       {// a folder where the file belongs, a file where the folder belongs
        +[](const std::filesystem::path &file) { std::filesystem::create_directories(file); },
        // a file that is not a database, or of another table layout
        +[](const std::filesystem::path &file) { fileOf(file, std::string(4096, 'z')); },
        +[](const std::filesystem::path &file) {
          fileOf(file, "");
          runSql(file, "CREATE TABLE entries(key TEXT PRIMARY KEY, value)");
        }}) {
    TempHome home;
    spoil(home.suiteFile(kSuite));
    EXPECT_FALSE(Defaults::suite(kSuite, home.path()));
  }
}

TEST(Defaults, StandardStoreFallsBackToMemoryForTheLifeOfTheProcessWhichWriteObserversDoNotHear) {
  std::vector<std::string> heard;
  DefaultsWriteObserver observer(
      [&](std::string_view, std::string_view key) { heard.emplace_back(key); });
  TempHome home;
  ASSERT_TRUE(Defaults::standard(home.path()).set("on disk", int64_t{7}));
  EXPECT_TRUE(std::filesystem::is_regular_file(home.suiteFile("standard")));
  EXPECT_EQ(Defaults::standard(home.path()).integer("on disk"), 7);
  EXPECT_FALSE(Defaults::standard(home.path()).isInMemory());

  TempHome broken;
  std::filesystem::create_directories(broken.suiteFile("standard"));
  EXPECT_TRUE(Defaults::standard(broken.path()).isInMemory());
  ASSERT_TRUE(Defaults::standard(broken.path()).set("in memory", Data{"kept"}));
  ASSERT_TRUE(Defaults::standard(broken.path()).update("in memory", [](const auto &) {
    return DefaultsChange::replace(Data{"changed"});
  }));
  EXPECT_EQ(Defaults::standard(broken.path()).data("in memory"), "changed");
  EXPECT_EQ(Defaults::standard(broken.path()).integer("on disk"), 0);
  // Gone when the process ends, so nothing reached a file.
  EXPECT_EQ(heard, std::vector<std::string>{"on disk"});
}

// The in-memory store is one connection for the whole process: its updates from several
// threads take turns, so no increment is lost.
TEST(Defaults, UpdatesFromSeveralThreadsOnTheInMemoryStoreLandEveryIncrement) {
  constexpr int kThreads = 4;
  constexpr int kIncrementsEach = 200;
  TempHome broken;
  std::filesystem::create_directories(broken.suiteFile("standard"));
  // The in-memory store lasts as long as the process, which may have run this test before.
  int64_t before = Defaults::standard(broken.path()).integer("threads");
  std::atomic<int> refused = 0;
  {
    std::vector<std::jthread> threads;
    for (int t = 0; t < kThreads; ++t)
      threads.emplace_back([&] {
        for (int i = 0; i < kIncrementsEach; ++i)
          if (!Defaults::standard(broken.path()).update("threads", [](const auto &value) {
                return DefaultsChange::replace(integerOf(value) + 1);
              }))
            ++refused;
      });
  }
  EXPECT_EQ(refused, 0);
  EXPECT_EQ(Defaults::standard(broken.path()).integer("threads"),
            before + kThreads * kIncrementsEach);
}

TEST(Defaults, UpdateCarriesOutWhatTheChangeMakesOfTheValue) {
  struct Case {
    const char *name;
    std::function<DefaultsChange(const std::optional<DefaultsValue> &)> change;
    bool written;
    std::optional<DefaultsValue> after;
  } cases[] = {
      {.name = "replace",
       .change = [](const auto &v) { return DefaultsChange::replace(integerOf(v) + 1); },
       .written = true,
       .after = DefaultsValue(int64_t{42})},
      {.name = "keep",
       .change = [](const auto &) { return DefaultsChange::keep(); },
       .written = false,
       .after = DefaultsValue(int64_t{41})},
      {.name = "remove",
       .change = [](const auto &) { return DefaultsChange::remove(); },
       .written = true,
       .after = std::nullopt},
      {.name = "no stored form",
       .change = [](const auto &) { return DefaultsChange::replace(std::nan("")); },
       .written = false,
       .after = DefaultsValue(int64_t{41})},
  };
  for (const auto &c : cases) {
    TempHome home;
    ASSERT_TRUE(openSuite(home).set("k", int64_t{41}));
    std::vector<std::string> heard;
    DefaultsWriteObserver observer(
        [&](std::string_view, std::string_view key) { heard.emplace_back(key); });
    EXPECT_EQ(openSuite(home).update("k", c.change), c.written) << c.name;
    EXPECT_EQ(openSuite(home).object("k"), c.after) << c.name;
    EXPECT_EQ(heard.size(), c.written ? 1u : 0u) << c.name;
  }
}

TEST(Defaults, UpdateWhoseChangeThrowsPassesItOnLeavesTheEarlierValueAndTheStoreOpen) {
  TempHome home;
  auto suite = openSuite(home);
  ASSERT_TRUE(suite.set("k", int64_t{41}));
  std::vector<std::string> heard;
  DefaultsWriteObserver observer(
      [&](std::string_view, std::string_view key) { heard.emplace_back(key); });
  std::optional<DefaultsValue> seen;
  EXPECT_THROW(suite.update("k",
                            [&](const std::optional<DefaultsValue> &current) -> DefaultsChange {
                              seen = current;
                              throw std::runtime_error("changed my mind");
                            }),
               std::runtime_error);
  EXPECT_EQ(seen, DefaultsValue(int64_t{41}));
  EXPECT_EQ(openSuite(home).object("k"), DefaultsValue(int64_t{41}));
  EXPECT_TRUE(heard.empty());
  // The next writer is not kept out by what the throw left behind.
  EXPECT_TRUE(suite.set("k", int64_t{1}));
  EXPECT_EQ(openSuite(home).integer("k"), 1);
}

TEST(Defaults, UpdateOfTheInMemoryStoreAndReadObserversHearKeysLookedFor) {
  TempHome broken;
  std::filesystem::create_directories(broken.suiteFile("standard"));
  // The in-memory store lasts as long as the process, which may have run this test before.
  int64_t before = Defaults::standard(broken.path()).integer("count");
  std::vector<std::string> looked;
  DefaultsReadObserver observer([&](std::string_view store, std::string_view key) {
    looked.push_back(std::string(store) + ":" + std::string(key));
  });
  for (int i = 0; i < 2; ++i)
    Defaults::standard(broken.path()).update("count", [](const auto &v) {
      return DefaultsChange::replace(integerOf(v) + 1);
    });
  EXPECT_EQ(Defaults::standard(broken.path()).integer("count"), before + 2);
  EXPECT_EQ(looked,
            (std::vector<std::string>{"standard:count", "standard:count", "standard:count"}));
}

namespace {

// Every write failure heard while it lives, as "store|key|reason".
class FailureLog {
public:
  std::vector<std::string> heard;

private:
  WriteFailureObserver observer_{[this](const WriteFailure &failure) {
    heard.push_back(failure.store + "|" + failure.name + "|" + failure.reason);
  }};
};

std::vector<std::string> times(std::size_t count, const std::string &line) {
  return std::vector<std::string>(count, line);
}

// One value read straight from the file, as another program would.
int64_t sqlInteger(const std::filesystem::path &file, const char *sql) {
  sqlite3 *raw = nullptr;
  sqlite3_open(file.c_str(), &raw);
  std::unique_ptr<sqlite3, int (*)(sqlite3 *)> database(raw, sqlite3_close);
  sqlite3_stmt *statement = nullptr;
  sqlite3_prepare_v2(raw, sql, -1, &statement, nullptr);
  std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> owned(statement, sqlite3_finalize);
  return sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
}

const auto kIncrement = [](const std::optional<DefaultsValue> &value) {
  return DefaultsChange::replace(integerOf(value) + 1);
};

} // namespace

TEST(Defaults, ValuesOver1MiBReadAsUnreadableWithoutBeingParsedAndAreNeverStored) {
  TempHome home;
  auto suite = openSuite(home);
  const std::string largest(largestDefaultsValue, 'a');
  ASSERT_TRUE(suite.set("largest", Data{largest}));
  ASSERT_TRUE(suite.set("largest text", largest));
  EXPECT_EQ(openSuite(home).data("largest"), largest);
  EXPECT_EQ(openSuite(home).string("largest text"), largest);
  FailureLog failures;
  EXPECT_FALSE(suite.set("over", Data{largest + "a"}));
  EXPECT_FALSE(suite.set("over", largest + "a"));
  EXPECT_FALSE(suite.set("over", std::vector<std::string>{largest})); // its JSON adds the quotes
  EXPECT_EQ(failures.heard, times(3, "group.test|over|the value is larger than 1 MiB"));
  EXPECT_EQ(openSuite(home).object("over"), std::nullopt);
  // Written by another program; a text of 600,000 two-byte characters is over in bytes.
  runSql(home.suiteFile(kSuite), R"(INSERT INTO entries VALUES
      ('big data', 'data', zeroblob(1048577)),
      ('big text', 'string', replace(hex(zeroblob(1048577)), '00', 'x')),
      ('wide text', 'string', replace(hex(zeroblob(600000)), '00', 'é')),
      ('big list', 'array', '[' || replace(hex(zeroblob(400000)), '00', '"",') || '""]'))");
  for (const char *key : {"big data", "big text", "wide text", "big list"})
    EXPECT_EQ(openSuite(home).object(key), std::nullopt) << key;
}

// A row this store cannot read belongs to another writer: a read-modify-write keeps it without
// asking its change what to make of it.
TEST(Defaults, UpdateLeavesARowItCannotReadAsItIs) {
  TempHome home;
  openSuite(home);
  runSql(home.suiteFile(kSuite), R"(INSERT INTO entries VALUES
      ('colour', 'colour', 'red'), ('broken', 'array', '["a"'),
      ('big', 'data', zeroblob(1048577)))");
  FailureLog failures;
  for (const char *key : {"colour", "broken", "big"}) {
    bool asked = false;
    EXPECT_FALSE(openSuite(home).update(key, [&](const auto &) {
      asked = true;
      return DefaultsChange::remove();
    })) << key;
    EXPECT_FALSE(asked) << key;
  }
  EXPECT_EQ(sqlInteger(home.suiteFile(kSuite), "SELECT count(*) FROM entries"), 3);
  EXPECT_TRUE(failures.heard.empty());
  // An absent key is asked about, as none.
  EXPECT_TRUE(openSuite(home).update("absent", kIncrement));
  EXPECT_EQ(openSuite(home).integer("absent"), 1);
}

// Judged by the mode, as root could write anything: the store reads, refuses every write, and
// the standard store does not stand in for it.
TEST(Defaults, AStoreWithoutWriteBitsReadsAndRefusesEveryWrite) {
  for (bool folder : {false, true}) {
    TempHome home;
    ASSERT_TRUE(openSuite(home).set("k", int64_t{41}));
    auto closed = folder ? home.suiteFile(kSuite).parent_path() : home.suiteFile(kSuite);
    ::chmod(closed.c_str(), folder ? 0555 : 0444);
    FailureLog failures;
    {
      auto suite = openSuite(home);
      EXPECT_TRUE(suite.isReadOnly());
      EXPECT_EQ(suite.integer("k"), 41);
      EXPECT_FALSE(suite.set("k", int64_t{1}));
      EXPECT_FALSE(suite.removeObject("k"));
      EXPECT_FALSE(suite.update("k", kIncrement));
    }
    EXPECT_EQ(failures.heard, times(3, "group.test|k|the store is read-only")) << folder;
    ::chmod(closed.c_str(), folder ? 0755 : 0644);
    EXPECT_EQ(openSuite(home).integer("k"), 41);
    EXPECT_FALSE(std::filesystem::exists(home.suiteFile("standard")));
  }
  // Read-only and no store at all: still nothing is written in its place.
  TempHome home;
  fileOf(home.suiteFile(kSuite), std::string(4096, 'z'));
  ::chmod(home.suiteFile(kSuite).c_str(), 0444);
  FailureLog failures;
  auto suite = openSuite(home);
  EXPECT_EQ(suite.object("k"), std::nullopt);
  EXPECT_FALSE(suite.set("k", int64_t{1}));
  EXPECT_EQ(failures.heard, times(1, "group.test|k|the store is read-only"));
  EXPECT_FALSE(std::filesystem::exists(home.suiteFile("standard")));
}

// A folder without write bits where the stores would be made: none can be made, and what the
// store in memory keeps is heard as a write that reached no file.
TEST(Defaults, NoStoreIsMadeInAFolderWithoutWriteBits) {
  TempHome home;
  auto folder = home.suiteFile(kSuite).parent_path();
  std::filesystem::create_directories(folder);
  ::chmod(folder.c_str(), 0555);
  EXPECT_FALSE(Defaults::suite(kSuite, home.path()));
  FailureLog failures;
  auto standard = Defaults::standard(home.path());
  EXPECT_TRUE(standard.isInMemory());
  EXPECT_TRUE(standard.set("kept", int64_t{1}));
  ::chmod(folder.c_str(), 0755);
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  EXPECT_EQ(failures.heard,
            (std::vector<std::string>{"standard|kept|no store file could be opened, so it lasts "
                                      "only as long as the process"}));
}

// Another program writing: readers go on beside it; a write waits out the busy timeout (5 s,
// counted, not slept), then fails, heard as such, and later writes fail at once.
TEST(Defaults, AWriterHoldingTheStorePastTheBusyTimeoutFailsWritesWhileReadsGoOn) {
  TempHome home;
  ASSERT_TRUE(openSuite(home).set("k", int64_t{41}));
  FailureLog failures;
  CountedBusyWaits waits;
  {
    StoreLock writer(home.suiteFile(kSuite), StoreLock::Kind::writer);
    auto suite = Defaults::suite(kSuite, home.path());
    ASSERT_TRUE(suite);
    EXPECT_FALSE(suite->isBusy());
    EXPECT_EQ(suite->integer("k"), 41);
    EXPECT_FALSE(suite->update("k", kIncrement));
    EXPECT_EQ(waits.paused(), kBusyTimeout);
    EXPECT_FALSE(openSuite(home).set("k", int64_t{1}));
    EXPECT_EQ(openSuite(home).integer("k"), 41);
  }
  EXPECT_EQ(waits.paused(), kBusyTimeout);
  EXPECT_EQ(failures.heard, times(2, "group.test|k|another program holds the store"));
  EXPECT_EQ(openSuite(home).integer("k"), 41);
  EXPECT_EQ(openSuite(home).object("test.lock"), std::nullopt); // never committed
}

// Locked even against readers past the busy timeout: the store opens busy, reads as empty and
// refuses every write at once; it is no store that cannot be opened. The process waits for it
// once: later opens find it busy without waiting. Once it is let go, it is read again.
TEST(Defaults, AStoreLockedAgainstReadersOpensBusyAndIsWaitedForOnce) {
  TempHome home;
  ASSERT_TRUE(openSuite(home).set("k", int64_t{41}));
  FailureLog failures;
  CountedBusyWaits waits;
  {
    StoreLock holder(home.suiteFile(kSuite), StoreLock::Kind::exclusive);
    for (int i = 0; i < 3; ++i) {
      auto suite = Defaults::suite(kSuite, home.path());
      ASSERT_TRUE(suite);
      EXPECT_TRUE(suite->isBusy());
      EXPECT_EQ(suite->object("k"), std::nullopt);
      EXPECT_FALSE(suite->set("k", int64_t{1}));
      EXPECT_FALSE(suite->removeObject("k"));
      EXPECT_FALSE(suite->update("k", kIncrement));
      EXPECT_EQ(waits.paused(), kBusyTimeout);
    }
  }
  EXPECT_EQ(failures.heard, times(9, "group.test|k|another program holds the store"));
  EXPECT_EQ(openSuite(home).integer("k"), 41);
  EXPECT_FALSE(std::filesystem::exists(home.suiteFile("standard")));
}
