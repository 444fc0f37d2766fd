#include "Shared/Views/AgendaViews/ReminderTexts.h"

#include "Shared/Theme/DesignTokens.h"
#include "kit/ui/UI.h"

namespace zavel {
namespace {

using namespace kit::ui;

Color titleColor(const ReminderItem &item) {
  return item.done ? ZavelTokens::muted : ZavelTokens::screenText1;
}

// Urgency shows only here: a reminder without a time looks like any other.
Color timeColor(const ReminderItem &item, const ZCtx &ctx) {
  if (item.done)
    return ZavelTokens::muted;
  return item.isUrgent ? ctx.accent : ZavelTokens::screenText3;
}

} // namespace

View ReminderTexts(const ReminderItem &item, const ZCtx &ctx) {
  View title = Text(item.title)
                   .font(ctx.mono(12, FontWeight::regular))
                   .foreground(titleColor(item))
                   .strikethrough(item.done)
                   .lineLimit(1)
                   .frame({.maxWidth = infinity, .alignment = Alignment::leading});
  if (!item.time)
    return Group({title});
  return Group({
      title,
      Text(*item.time)
          .font(ctx.mono(10, FontWeight::regular))
          .foreground(timeColor(item, ctx))
          .textRole(TextRole::data),
  });
}

} // namespace zavel
