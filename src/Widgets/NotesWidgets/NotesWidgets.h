#pragma once

#include "Widgets/NotesWidgets/NotesProvider.h"
#include "Widgets/Shell/ZavelWidget.h"

namespace zavel {

using NotesWidget = ZavelWidget<LocalProvider<std::vector<NoteItem>>>;

// The note family, in gallery order; a tap anywhere on any of them opens the notes.
NotesWidget QuickNoteWidget();
NotesWidget SingleNoteWidget();
NotesWidget NotesListWidget();
NotesWidget PinnedNotesWidget();

} // namespace zavel
