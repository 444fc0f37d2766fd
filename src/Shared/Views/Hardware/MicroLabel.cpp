#include "Shared/Views/Hardware/MicroLabel.h"

#include "kit/foundation/TextOperations.h"
#include "kit/ui/Text.h"

namespace zavel {

using namespace kit::ui;

View MicroLabel(const std::string &text, double size, double em, Color color, FontWeight weight,
                const ZCtx &ctx) {
  // Small captions are set larger than asked, halfway toward 18, as the font rule does.
  double effective = size < 18 ? size + (18 - size) * 0.5 : size;
  return Text(kit::foundation::uppercased(text))
      .font(ctx.mono(size, weight))
      .tracking(effective * em * ctx.u)
      .foreground(color)
      .lineLimit(1)
      .textRole(TextRole::label);
}

View MicroLabel(const std::string &text, double size, double em, Color color, const ZCtx &ctx) {
  return MicroLabel(text, size, em, color, FontWeight::regular, ctx);
}

} // namespace zavel
