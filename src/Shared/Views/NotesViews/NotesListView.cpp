#include "Shared/Views/NotesViews/NotesListView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/NotesViews/NoteInk.h"
#include "Shared/Views/NotesViews/SplitNote.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/ScreenHeader.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <span>
#include <string>

namespace zavel {
namespace {

using namespace kit::ui;

constexpr std::size_t shownNotes = 3;

View header(std::size_t count, const ZCtx &ctx) {
  return ScreenHeader(MicroLabel("NOTES", 9, 0.18, ZavelTokens::screenText2, ctx),
                      Text(std::to_string(count))
                          .font(ctx.mono(12, FontWeight::bold))
                          .foreground(ZavelTokens::dataTeal));
}

// A note's title on one line, after a dash.
View noteLine(const NoteItem &note, const ZCtx &ctx) {
  return Text("— " + splitNote(note.text).title)
      .font(ctx.mono(11, FontWeight::regular))
      .foreground(noteInk)
      .lineLimit(1);
}

} // namespace

View NotesListView::body() const {
  std::span<const NoteItem> newest(data.data(), std::min(data.size(), shownNotes));
  View lines = ForEach(newest, [&](const NoteItem &note) { return noteLine(note, ctx); });
  return ScreenColumn(
      ctx, {},
      {
          header(data.size(), ctx),
          VStack(HAlign::leading, 11 * ctx.u, {lines}).padding(Edge::top, 16 * ctx.u),
          Spacer(0),
          MicroLabel("ALL NOTES +", 8, 0.16, ZavelTokens::screenText3, ctx),
      });
}

} // namespace zavel
