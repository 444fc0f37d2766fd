#include "Shared/Views/ClockViews/ClockNumeral.h"

#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View ClockNumeral(const std::string &text, Color color, const NumeralLine &line, const ZCtx &ctx) {
  return Text(text)
      .font(ctx.mono(line.size, FontWeight::bold))
      .tracking(line.tracking * ctx.u)
      .foreground(color)
      .textRole(TextRole::data)
      .frame({.height = line.height * ctx.u});
}

} // namespace zavel
