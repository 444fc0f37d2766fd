#include "Shared/Views/NotesViews/PinnedNotesView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/NotesViews/EditedLabel.h"
#include "Shared/Views/NotesViews/SplitNote.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

#include <algorithm>

namespace zavel {
namespace {

using namespace kit::ui;

// The pinned notes in list order, or the whole list when none is pinned; the first two of them.
std::vector<NoteItem> cardNotes(const std::vector<NoteItem> &notes) {
  std::vector<NoteItem> shown;
  std::copy_if(notes.begin(), notes.end(), std::back_inserter(shown),
               [](const NoteItem &note) { return note.pinned; });
  if (shown.empty())
    shown = notes;
  shown.resize(std::min<size_t>(shown.size(), 2));
  return shown;
}

// Up to two lines of the rest of the note under its title; nothing at all when there is no rest.
View previewLines(const std::string &preview, const ZCtx &ctx) {
  if (preview.empty())
    return EmptyView();
  // Its lines come before the spacer below it shares out the card's height.
  return Text(preview)
      .font(ctx.mono(10, FontWeight::regular))
      .lineSpacing(5.5 * ctx.u)
      .foreground(ZavelTokens::screenText2)
      .lineLimit(2)
      .padding(Edge::top, 6 * ctx.u)
      .layoutPriority(1);
}

} // namespace

View PinnedNotesView::body() const {
  double u = ctx.u;
  return ScreenColumn(
      ctx, {.vertical = 20, .horizontal = 22},
      {
          MicroLabel("PINNED", 10, 0.16, ZavelTokens::screenText2, ctx),
          HStack(VAlign::center, 12 * u,
                 {
                     ForEach(cardNotes(data),
                             [&](const NoteItem &note) { return card(note).frame(Frame::fill()); }),
                 })
              .frame(Frame::fill())
              .padding(Edge::top, 14 * u),
      });
}

View PinnedNotesView::card(const NoteItem &note) const {
  double u = ctx.u;
  NoteSplit split = splitNote(note.text);
  return VStack(HAlign::leading, 0,
                {
                    // No colour of its own: the screen's brightest text.
                    Text(split.title).font(ctx.mono(11, FontWeight::semibold)).lineLimit(1),
                    previewLines(split.preview, ctx),
                    Spacer(0),
                    EditedCaption(note.edited, 0.14, ZavelTokens::muted, ctx),
                })
      .padding(14 * u)
      .frame(Frame::fill(Alignment::topLeading))
      .background(
          RoundedRectangle(10 * u, RoundedCornerStyle::continuous).fill(ZavelTokens::screenChip));
}

} // namespace zavel
