#include "Shared/Data/AppGroup.h"
#include "Shared/Data/DeckState.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/NotesStore.h"
#include "host/HostRun.h"
#include "kit/foundation/JsonCoding.h"
#include "support/Processes.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fmt/format.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

namespace zavel::host::testing {
namespace {

namespace fs = std::filesystem;
using kit::foundation::Json;
using kit::foundation::UUID;

constexpr int kProcesses = 8;
constexpr int kRunsEach = 25;

// Every process runs the program `kRunsEach` times in a row with the words it is given; all
// start at the same moment. True when every run succeeded.
bool runAtOnce(const std::function<std::vector<std::string>(int process)> &words) {
  return zavel::test::runInProcessesAtOnce(kProcesses, [&](int process) {
    std::string command = programCommand(words(process)) + " >/dev/null";
    for (int run = 0; run < kRunsEach; ++run)
      if (std::system(command.c_str()) != 0)
        return false;
    return true;
  });
}

// The integers of the suite's keys that begin with `prefix`, added up, read from the database as
// another program would: a press made across midnight counts on the next day's key.
int64_t storedTotal(const zavel::test::TempHome &home, const std::string &prefix) {
  sqlite3 *raw = nullptr;
  sqlite3_open(home.suiteFile(std::string(AppGroup::identifier)).c_str(), &raw);
  std::unique_ptr<sqlite3, int (*)(sqlite3 *)> database(raw, sqlite3_close);
  sqlite3_stmt *statement = nullptr;
  sqlite3_prepare_v2(raw, "SELECT SUM(value) FROM entries WHERE substr(key, 1, ?1) = ?2", -1,
                     &statement, nullptr);
  std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> query(statement, sqlite3_finalize);
  sqlite3_bind_int(statement, 1, static_cast<int>(prefix.size()));
  sqlite3_bind_text(statement, 2, prefix.c_str(), -1, SQLITE_TRANSIENT);
  return sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
}

void writeNotes(int count) {
  Json notes = Json::array();
  for (int i = 0; i < count; ++i)
    notes.push_back({{"id", UUID::random().uuidString()},
                     {"text", fmt::format("note {}", i)},
                     {"edited", i},
                     {"pinned", false}});
  std::ofstream(NotesStore::fileURL()) << notes.dump();
}

std::vector<HabitItem> storeHabits(const zavel::test::TempHome &home) {
  std::vector<HabitItem> habits;
  for (int i = 0; i < kProcesses; ++i)
    habits.push_back({UUID::random(), fmt::format("habit {}", i), {}});
  SharedSuite::write(ExtrasStore::habitsKey, habits, home.path());
  return habits;
}

std::string checkedInCounts(const zavel::test::TempHome &home) {
  std::string counts;
  for (const auto &habit : ExtrasStore::habits(home.path()))
    counts += std::to_string(habit.checkins.size());
  return counts;
}

// Eight processes press at the same moment, 25 times each: every press counts, none undoes
// another's.
TEST(ConcurrentRuns, PressesAtOnceAllCount) {
  struct Case {
    const char *name;
    const char *intent;
    // Makes the state the presses start from; returns the parameters of each process's press.
    std::function<std::vector<std::string>(const zavel::test::TempHome &)> prepare;
    std::function<std::string(const zavel::test::TempHome &)> landed;
    std::string expected;
  } cases[] = {
      {.name = "glasses of water",
       .intent = "AddWaterIntent",
       .prepare = [](const auto &) { return std::vector<std::string>(kProcesses, "{}"); },
       .landed =
           [](const auto &home) {
             return std::to_string(storedTotal(home, "zavel.counter.water."));
           },
       .expected = "200"},
      {.name = "deck steps over more notes than steps",
       .intent = "NoteDeckCycleIntent",
       .prepare =
           [](const auto &) {
             writeNotes(256);
             return std::vector<std::string>(kProcesses, R"({"step": 1})");
           },
       .landed = [](const auto &home) { return std::to_string(DeckState::noteIndex(home.path())); },
       .expected = "200"},
      {.name = "each process its own habit, an odd number of times",
       .intent = "HabitToggleIntent",
       .prepare =
           [](const auto &home) {
             std::vector<std::string> params;
             for (const auto &habit : storeHabits(home))
               params.push_back(Json{{"habitID", habit.id.uuidString()}}.dump());
             return params;
           },
       .landed = checkedInCounts,
       .expected = "11111111"},
  };
  ProgramEnvironment fixed;
  for (const auto &c : cases) {
    zavel::test::TempHome home;
    auto params = c.prepare(home);
    ASSERT_TRUE(runAtOnce([&](int process) {
      return std::vector<std::string>{"perform", c.intent, "--params", params[process]};
    })) << c.name;
    EXPECT_EQ(c.landed(home), c.expected) << c.name;
  }
}

// A layer picture is whole when its size is what its header says: magic, key length, key, four
// numbers, then width × height pixels of four bytes.
bool wholeLayerPicture(const fs::path &file) {
  std::string bytes = fileText(file);
  std::uint32_t keyLength = 0;
  std::int32_t numbers[4] = {};
  if (bytes.size() < 12)
    return false;
  std::memcpy(&keyLength, bytes.data() + 8, sizeof keyLength);
  std::size_t header = 12 + std::size_t{keyLength} + sizeof numbers;
  if (bytes.size() < header)
    return false;
  std::memcpy(numbers, bytes.data() + 12 + keyLength, sizeof numbers);
  auto pixels = static_cast<std::size_t>(numbers[0]) * static_cast<std::size_t>(numbers[1]) * 4;
  return bytes.size() == header + pixels;
}

// Eight galleries drawn at once on one home, while eight renders save their layer pictures for
// later processes: every run succeeds, and every picture left is whole.
TEST(ConcurrentRuns, GalleriesAndRendersAtOnceAllSucceedAndLeaveWholeLayerPictures) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  ProgramEnvironment fixed;
  auto kinds = Json::parse(runExecutable({"list", "--json"}).out);
  ASSERT_FALSE(kinds.empty());
  ASSERT_TRUE(zavel::test::runInProcessesAtOnce(2 * kProcesses, [&](int process) {
    fs::path folder = scratch.root() / std::to_string(process);
    std::string kind = kinds[static_cast<std::size_t>(process) % kinds.size()]["kind"];
    auto words = process < kProcesses
                     ? std::vector<std::string>{"gallery", "-o", folder}
                     : std::vector<std::string>{"render", kind, "-o", folder.string() + ".png"};
    return std::system((programCommand(words) + " >/dev/null").c_str()) == 0;
  }));
  for (int process = 0; process < kProcesses; ++process) {
    std::size_t pictures = 0;
    for (const auto &entry : fs::directory_iterator(scratch.root() / std::to_string(process)))
      pictures += entry.path().extension() == ".png";
    EXPECT_EQ(pictures, kinds.size()) << process;
  }
  std::size_t layers = 0;
  for (const auto &entry : fs::directory_iterator(home.path() / "caches" / "layers")) {
    EXPECT_TRUE(wholeLayerPicture(entry.path())) << entry.path();
    ++layers;
  }
  EXPECT_GT(layers, 0u);
}

} // namespace
} // namespace zavel::host::testing
