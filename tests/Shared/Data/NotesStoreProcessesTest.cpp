#include "Shared/Data/NotesStore.h"

#include "support/Processes.h"
#include "support/TempHome.h"

#include <algorithm>
#include <chrono>
#include <fmt/format.h>
#include <fstream>
#include <gtest/gtest.h>

using kit::foundation::Json;
using kit::foundation::UUID;
namespace NotesStore = zavel::NotesStore;

namespace {

constexpr int kWriters = 8;
constexpr int kTogglesEach = 25;

bool allPinned(const std::vector<zavel::NoteItem> &notes) {
  return std::all_of(notes.begin(), notes.end(), [](const auto &note) { return note.pinned; });
}

} // namespace

// Eight processes toggle the pins of eight different notes, an odd number of times each, while a
// ninth reads the list over and over: every toggle lands, and the reader always finds the whole
// list.
TEST(NotesStoreProcesses, PinsToggledAtOnceAllLandAndReadersSeeWholeFiles) {
  zavel::test::TempHome home;
  std::vector<UUID> ids;
  Json notes = Json::array();
  for (int i = 0; i < kWriters; ++i) {
    ids.push_back(UUID::random());
    notes.push_back({{"id", ids.back().uuidString()},
                     {"text", fmt::format("note {}", i)},
                     {"edited", i},
                     {"pinned", false},
                     {"colour", "amber"}});
  }
  std::ofstream(NotesStore::fileURL()) << notes.dump();
  ASSERT_TRUE(zavel::test::runInProcessesAtOnce(kWriters + 1, [&](int process) {
    if (process < kWriters) {
      for (int i = 0; i < kTogglesEach; ++i)
        if (!NotesStore::togglePin(ids[process]))
          return false;
      return true;
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
      auto seen = NotesStore::latest();
      if (seen.size() != kWriters)
        return false;
      if (allPinned(seen))
        return true;
    }
    return true;
  }));
  auto after = NotesStore::latest();
  EXPECT_EQ(after.size(), std::size_t{kWriters});
  EXPECT_TRUE(allPinned(after));
  EXPECT_EQ(Json::parse(std::ifstream(NotesStore::fileURL()))[3]["colour"], "amber");
}
