#include "Shared/Data/DeckState.h"
#include "Shared/Data/NotesStore.h"
#include "Shared/Data/WidgetIntents/NoteDeckCycleIntent.h"
#include "Shared/Data/WidgetIntents/NoteDeckPinIntent.h"

#include "ActionTesting.h"

#include <fstream>

namespace zavel {
namespace {

using kit::foundation::Json;

class NoteDeckIntents : public test::ActionTest {
protected:
  // Notes in file order, texts of their positions, each edited at the given time.
  static void writeNotes(const std::vector<double> &edited) {
    Json list = Json::array();
    for (size_t i = 0; i < edited.size(); ++i)
      list.push_back({{"id", "00000000-0000-4000-8000-00000000000" + std::to_string(i)},
                      {"text", std::to_string(i)},
                      {"edited", edited[i]},
                      {"pinned", false}});
    std::ofstream(NotesStore::fileURL()) << list.dump();
  }
  static std::string pinned() {
    std::string texts;
    for (const auto &note : NotesStore::latest())
      texts += note.pinned ? note.text : "";
    return texts;
  }
};

TEST_F(NoteDeckIntents, CycleWrapsAroundTheNotesOrStoresTheFirstWithoutAny) {
  writeNotes({10, 20, 30, 40, 50});
  NoteDeckCycleIntent{.step = -1}.perform(environment());
  EXPECT_EQ(DeckState::noteIndex(), 4);
  std::ofstream(NotesStore::fileURL()) << "[{\"broken\":"; // no note list
  NoteDeckCycleIntent{.step = -1}.perform(environment());
  EXPECT_EQ(DeckState::noteIndex(), 0);
}

TEST_F(NoteDeckIntents, PinActsOnTheShownNoteNewestFirst) {
  // File order 0, 1, 2; newest first that is 1, 2, 0.
  const std::pair<std::optional<int64_t>, const char *> cases[] = {{std::nullopt, "1"}, {9, "0"}};
  for (const auto &[index, filePosition] : cases) {
    writeNotes({100, 300, 200});
    SharedSuite::open().removeObject(DeckState::noteIndexKey);
    if (index)
      DeckState::setNoteIndex(*index);
    NoteDeckPinIntent{}.perform(environment());
    EXPECT_EQ(pinned(), filePosition) << index.value_or(-1);
  }
}

TEST_F(NoteDeckIntents, PinWithoutNotesDoesNothing) {
  NoteDeckPinIntent{}.perform(environment());
  for (const char *text : {"not json", "[]"}) {
    std::ofstream(NotesStore::fileURL()) << text;
    NoteDeckPinIntent{}.perform(environment());
  }
  EXPECT_TRUE(log.events().empty());
  std::ifstream in(NotesStore::fileURL());
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[]");
}

} // namespace
} // namespace zavel
