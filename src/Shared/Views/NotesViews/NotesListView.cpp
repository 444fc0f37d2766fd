#include "Shared/Views/NotesViews/NotesListView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/NotesViews/NoteInk.h"
#include "Shared/Views/NotesViews/SplitNote.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <span>
#include <string>

namespace zavel {

using namespace kit::ui;

View NotesListView::body() const {
  std::span<const NoteItem> newest(data.data(), std::min<size_t>(data.size(), 3));
  return ScreenColumn(ctx, {},
                      {
                          HStack(VAlign::center,
                                 {
                                     MicroLabel("NOTES", 9, 0.18, ZavelTokens::screenText2, ctx),
                                     Spacer(),
                                     Text(std::to_string(data.size()))
                                         .font(ctx.mono(12, FontWeight::bold))
                                         .foreground(ZavelTokens::dataTeal)
                                         .textRole(TextRole::data),
                                 }),
                          VStack(HAlign::leading, 11 * ctx.u,
                                 {
                                     ForEach(newest,
                                             [&](const NoteItem &note) {
                                               return Text("— " + splitNote(note.text).title)
                                                   .font(ctx.mono(11, FontWeight::regular))
                                                   .foreground(noteInk)
                                                   .lineLimit(1);
                                             }),
                                 })
                              .padding(Edge::top, 16 * ctx.u),
                          Spacer(0),
                          MicroLabel("ALL NOTES +", 8, 0.16, ZavelTokens::screenText3, ctx),
                      });
}

} // namespace zavel
