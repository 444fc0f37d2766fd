#include "Shared/Data/DeckState.h"
#include "Shared/Data/NotesStore.h"
#include "Shared/Data/WidgetIntents/NoteDeckCycleIntent.h"
#include "Shared/Data/WidgetIntents/NoteDeckPinIntent.h"

#include "ActionTesting.h"

#include <fstream>
#include <limits>

namespace zavel {
namespace {

using kit::foundation::DefaultsValue;
using kit::foundation::Json;
using test::reloadedAndNotified;

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
const std::vector<std::string> kNoteKinds{"zavel.notes.deck", "zavel.notes.pinned",
                                          "zavel.notes.list"};

class NoteDeckIntents : public test::ActionTest {
protected:
  // Notes in file order, each edited at the given time; ids name their place in the file.
  void writeNotes(const std::vector<double> &edited) {
    Json list = Json::array();
    for (size_t i = 0; i < edited.size(); ++i)
      list.push_back({{"id", idAt(i)},
                      {"text", "note " + std::to_string(i)},
                      {"edited", edited[i]},
                      {"pinned", false}});
    std::ofstream(NotesStore::fileURL()) << list.dump();
  }
  static std::string idAt(size_t position) {
    return "00000000-0000-4000-8000-00000000000" + std::to_string(position);
  }
  // The file positions of the pinned notes.
  static std::vector<size_t> pinned() {
    auto list = Json::parse(std::ifstream(NotesStore::fileURL()));
    std::vector<size_t> positions;
    for (size_t i = 0; i < list.size(); ++i)
      if (list[i]["pinned"].get<bool>())
        positions.push_back(i);
    return positions;
  }
};

TEST_F(NoteDeckIntents, CycleWrapsAroundTheNotesBothWays) {
  writeNotes({10, 20, 30, 40, 50});
  struct Case {
    int64_t stored, step, index;
  };
  const Case cases[] = {{4, 1, 0}, {0, -1, 4},   {2, 7, 4},    {-1, 1, 0},
                        {9, 1, 0}, {kMax, 1, 3}, {3, -kMax, 1}};
  for (const auto &c : cases) {
    DeckState::setNoteIndex(c.stored);
    NoteDeckCycleIntent{.step = c.step}.perform(environment());
    EXPECT_EQ(DeckState::noteIndex(), c.index) << c.stored << " + " << c.step;
  }
  writeNotes({1, 2, 3});
  DeckState::setNoteIndex(9);
  NoteDeckCycleIntent{}.perform(environment());
  EXPECT_EQ(DeckState::noteIndex(), 1);
}

TEST_F(NoteDeckIntents, CycleReloadsTheThreeNoteKindsAfterStoring) {
  writeNotes({10, 20});
  NoteDeckCycleIntent{.step = 1}.perform(environment());
  EXPECT_EQ(log.events(), reloadedAndNotified(kNoteKinds));
}

TEST_F(NoteDeckIntents, CycleWithoutNotesStoresTheFirstPosition) {
  for (int64_t step : {1, -1, 7}) {
    DeckState::setNoteIndex(3);
    NoteDeckCycleIntent{.step = step}.perform(environment());
    EXPECT_EQ(stored(DeckState::noteIndexKey), DefaultsValue(int64_t{0})) << step;
  }
  std::ofstream(NotesStore::fileURL()) << "[{\"broken\":";
  DeckState::setNoteIndex(3);
  NoteDeckCycleIntent{}.perform(environment());
  EXPECT_EQ(DeckState::noteIndex(), 0);
  EXPECT_EQ(log.events().size(), 4 * reloadedAndNotified(kNoteKinds).size());
}

TEST_F(NoteDeckIntents, PinActsOnTheShownNoteNewestFirst) {
  // File order 0, 1, 2; newest first that is 1, 2, 0.
  writeNotes({100, 300, 200});
  struct Case {
    std::optional<int64_t> stored;
    size_t filePosition;
  };
  const Case cases[] = {{std::nullopt, 1}, {1, 2}, {9, 0}, {-5, 1}, {kMax, 0}};
  for (const auto &c : cases) {
    writeNotes({100, 300, 200});
    SharedSuite::open().removeObject(DeckState::noteIndexKey);
    if (c.stored)
      DeckState::setNoteIndex(*c.stored);
    NoteDeckPinIntent{}.perform(environment());
    EXPECT_EQ(pinned(), std::vector<size_t>{c.filePosition}) << c.stored.value_or(0);
  }
  EXPECT_EQ(log.events().size(), std::size(cases) * reloadedAndNotified(kNoteKinds).size());
}

TEST_F(NoteDeckIntents, PinOfNotesEditedAtOnceTakesTheFirstInTheFile) {
  writeNotes({50, 50, 10});
  NoteDeckPinIntent{}.perform(environment());
  NoteDeckPinIntent{}.perform(environment());
  NoteDeckPinIntent{}.perform(environment());
  EXPECT_EQ(pinned(), std::vector<size_t>{0});
  EXPECT_EQ(log.events().size(), 3 * reloadedAndNotified(kNoteKinds).size());
}

TEST_F(NoteDeckIntents, PinWithoutNotesDoesNothing) {
  NoteDeckPinIntent{}.perform(environment());
  std::ofstream(NotesStore::fileURL()) << "not json";
  NoteDeckPinIntent{}.perform(environment());
  std::ofstream(NotesStore::fileURL()) << "[]";
  NoteDeckPinIntent{}.perform(environment());
  EXPECT_TRUE(log.events().empty());
  std::ifstream in(NotesStore::fileURL());
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
            "[]");
}

} // namespace
} // namespace zavel
