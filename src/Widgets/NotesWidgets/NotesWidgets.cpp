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
      .face =
          [](const NotesEntry &entry, const ZCtx &ctx) {
            return QuickNoteView{entry.data, ctx}.body();
          },
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
      .face =
          [](const NotesEntry &entry, const ZCtx &ctx) {
            return SingleNoteView{entry.data, ctx}.body();
          },
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
      .face =
          [](const NotesEntry &entry, const ZCtx &ctx) {
            return NotesListView{entry.data, ctx}.body();
          },
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
      .face =
          [](const NotesEntry &entry, const ZCtx &ctx) {
            return PinnedNotesView{entry.data, ctx}.body();
          },
      .name = "Pinned",
      .description = "Two pinned notes on chip cards.",
      .link = notesLink,
  };
}

} // namespace zavel
