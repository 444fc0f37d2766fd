#include "Shared/Views/NotesViews/QuickNoteView.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Theme/AccentInk.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/NotesViews/NoteInk.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/ScreenHeader.h"
#include "kit/ui/UI.h"

namespace zavel {
namespace {

using namespace kit::ui;

// The accent disc with a plus on it, inviting a new note.
View plusBadge(const ZCtx &ctx) {
  return ZStack({
      Circle().fill(ctx.accent).frame(18 * ctx.u, 18 * ctx.u),
      Text("+").font(ctx.mono(12, FontWeight::bold)).foreground(accentInk(ctx.accent)),
  });
}

} // namespace

View QuickNoteView::body() const {
  const NoteItem *note = data.empty() ? nullptr : &data.front();
  double u = ctx.u;
  return ScreenColumn(
      ctx, {.vertical = 22, .horizontal = 26},
      {
          ScreenHeader("QUICK NOTE", plusBadge(ctx), ctx),
          // The note takes its lines before the spacer below it shares out the height.
          Text(note ? note->text : "Tap to jot something down.")
              .font(ctx.mono(14, FontWeight::regular))
              .lineSpacing(9.1 * u)
              .foreground(note ? noteInk : ZavelTokens::screenText3)
              .lineLimit(3)
              .frame({.maxWidth = 480 * u, .alignment = Alignment::leading})
              .padding(Edge::top, 14 * u)
              .layoutPriority(1),
          Spacer(0),
          // The time of day alone, whichever day the note was edited.
          MicroLabel(note ? "EDITED " + ClockFormat::hhmm(note->edited,
                                                          kit::foundation::TimeZone::current())
                          : "EMPTY",
                     8, 0.16, ZavelTokens::screenText3, ctx),
      });
}

} // namespace zavel
