#include "Shared/Views/NotesViews/SingleNoteView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/LEDDot.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/NotesViews/EditedLabel.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View SingleNoteView::body() const {
  const NoteItem *note = data.empty() ? nullptr : &data.front();
  double u = ctx.u;
  return ScreenColumn(
      ctx, {},
      {
          HStack(VAlign::center, 7 * u,
                 {
                     LEDDot(true, ctx.accent, 5, ctx),
                     MicroLabel("NOTE", 9, 0.18, ZavelTokens::screenText2, ctx),
                 }),
          // The note takes its lines before the spacer below it shares out the height.
          Text(note ? note->text : "Nothing here yet.")
              .font(ctx.mono(14, FontWeight::regular))
              .lineSpacing(8.4 * u)
              .foreground(note ? ZavelTokens::screenText1 : ZavelTokens::screenText3)
              .lineLimit(4)
              .padding(Edge::top, 16 * u)
              .layoutPriority(1),
          Spacer(0),
          note ? EditedCaption(note->edited, 0.16, ZavelTokens::screenText3, ctx)
               : MicroLabel("—", 8, 0.16, ZavelTokens::screenText3, ctx),
      });
}

} // namespace zavel
