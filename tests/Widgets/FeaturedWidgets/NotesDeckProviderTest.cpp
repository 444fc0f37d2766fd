#include "Widgets/FeaturedWidgets/NotesDeckProvider.h"

#include "Shared/Data/DeckState.h"
#include "Widgets/WeatherWidgets/WeatherWidgetsTesting.h"
#include "kit/foundation/Iso8601.h"

#include <fstream>
#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::foundation::UUID;

const Date nine = *kit::foundation::dateFromIso8601("2026-03-02T09:00:00Z");

NoteItem note(const char *text, double hoursAfterNine) {
  return {UUID::random(), text, nine.addingTimeInterval(hoursAfterNine * 3600), false};
}

void writeNotes(const std::vector<NoteItem> &notes, const std::filesystem::path &home) {
  std::ofstream(NotesStore::fileURL(home)) << kit::foundation::encodeJson(notes).dump();
}

TEST(NotesDeckProvider, NewestEditFirstWithTheStoredPositionLoweredToTheLastNote) {
  test::TempHome home;
  NoteItem nine0 = note("A", 0), eleven = note("B", 2), ten = note("C", 1), tenToo = note("D", 1);
  writeNotes({nine0, eleven, ten, tenToo}, home.path());
  const struct {
    const char *name;
    int64_t stored;
    int64_t index;
  } cases[] = {
      {.name = "in range", .stored = 1, .index = 1},
      {.name = "past the end", .stored = 7, .index = 3},
      // The view brings it up to the first note.
      {.name = "below the start", .stored = -2, .index = -2},
  };
  for (const auto &c : cases) {
    DeckState::setNoteIndex(c.stored, home.path());
    // Equal edits keep their file order.
    EXPECT_EQ(liveNotesDeck(home.path()), (NotesDeckData{{eleven, ten, tenToo, nine0}, c.index}))
        << c.name;
  }
  std::filesystem::remove(NotesStore::fileURL(home.path()));
  EXPECT_EQ(liveNotesDeck(home.path()), (NotesDeckData{{}, 0}));
}

TEST(NotesDeckProvider, ShowsTheSampleInTheGalleryAndReloadsAfterAQuarterHour) {
  test::TempHome home;
  DeckState::setNoteIndex(1, home.path());
  writeNotes({note("A", 0), note("B", 1)}, home.path());
  auto provider = NotesDeckProvider(home.path(), kit::foundation::Clock::fixed(nine));
  CasingConfigIntent cream{CasingOption::cream};
  test::expectSamplePreviews(provider, cream, nine, NotesDeckData::sample());
  auto timeline = provider.timeline(cream, test::kOnScreen);
  EXPECT_EQ(timeline.entries,
            (std::vector<NotesDeckEntry>{{nine, liveNotesDeck(home.path()), CasingOption::cream}}));
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(nine, 15));
}

} // namespace
} // namespace zavel
