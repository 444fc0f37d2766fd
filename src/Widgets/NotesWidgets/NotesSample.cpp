#include "Widgets/NotesWidgets/NotesSample.h"

#include <array>

namespace zavel {
namespace {

struct SampleNote {
  int daysAgo = 0;
  int hour = 0;
  int minute = 0;
  bool pinned = false;
  const char *text = "";
};

constexpr std::array<SampleNote, 7> sampleNotes{{
    {0, 12, 57, false, "Widget idea — dot-matrix pomodoro that fills as the session burns down."},
    {0, 11, 7, false, "Pick up the spare keys from a friend before 7."},
    {0, 9, 24, false, "1.2 changelog draft"},
    {1, 18, 12, true, "Launch checklist\nNotarize, screenshots, press page, changelog."},
    {3, 10, 3, true, "Ask a colleague about the dot map?\nEaster egg for the about screen."},
    {4, 15, 40, false, "Refund policy wording"},
    {5, 8, 16, false, "Widget gallery re-order"},
}};

} // namespace

std::vector<NoteItem> buildNotesSample(const kit::foundation::Clock &clock,
                                       const kit::foundation::Calendar &calendar) {
  kit::foundation::Date today = calendar.startOfDay(clock.now());
  std::vector<NoteItem> notes;
  for (const SampleNote &note : sampleNotes) {
    kit::foundation::Date day = calendar.addingDays(-note.daysAgo, today);
    notes.push_back({kit::foundation::UUID::random(), note.text,
                     calendar.dateBySettingTime(note.hour, note.minute, 0, day), note.pinned});
  }
  return notes;
}

const std::vector<NoteItem> &notesSample(const kit::foundation::Clock &clock) {
  static const std::vector<NoteItem> sample = buildNotesSample(clock);
  return sample;
}

} // namespace zavel
