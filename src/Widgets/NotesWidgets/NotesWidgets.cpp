#include "Widgets/NotesWidgets/NotesWidgets.h"

#include "Shared/Views/NotesViews/NotesListView.h"
#include "Shared/Views/NotesViews/PinnedNotesView.h"
#include "Shared/Views/NotesViews/QuickNoteView.h"
#include "Shared/Views/NotesViews/SingleNoteView.h"

namespace zavel {

namespace {

constexpr std::string_view notesLink = "zavelwidgets://open/notes";

} // namespace

NotesWidget QuickNoteWidget() {
  return {
      .typeName = "QuickNoteWidget",
      .kind = "zavel.notes.quick",
      .size = ZavelSize::m,
      .provider = NotesProvider(),
      .face = dataFace<QuickNoteView>(),
      .name = "Quick Note",
      .description = "Your latest note, big and readable.",
      .link = notesLink,
  };
}

NotesWidget SingleNoteWidget() {
  return {
      .typeName = "SingleNoteWidget",
      .kind = "zavel.notes.single",
      .size = ZavelSize::s,
      .provider = NotesProvider(),
      .face = dataFace<SingleNoteView>(),
      .name = "Single Note",
      .description = "One note on a small screen.",
      .link = notesLink,
  };
}

NotesWidget NotesListWidget() {
  return {
      .typeName = "NotesListWidget",
      .kind = "zavel.notes.list",
      .size = ZavelSize::s,
      .provider = NotesProvider(),
      .face = dataFace<NotesListView>(),
      .name = "Notes List",
      .description = "The last few notes and a count.",
      .link = notesLink,
  };
}

NotesWidget PinnedNotesWidget() {
  return {
      .typeName = "PinnedNotesWidget",
      .kind = "zavel.notes.pinned",
      .size = ZavelSize::m,
      .provider = NotesProvider(),
      .face = dataFace<PinnedNotesView>(),
      .name = "Pinned",
      .description = "Two pinned notes on chip cards.",
      .link = notesLink,
  };
}

} // namespace zavel
