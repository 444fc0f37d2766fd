#include "Shared/Views/ProductivityViews/QuoteView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View QuoteView::body() const {
  double u = ctx.u;
  return ScreenColumn(
      ctx, ColumnStyle{.alignment = Alignment::topLeading, .vertical = 26, .horizontal = 30},
      {
          // An ornament in the numeral face, printed like a caption.
          Text("“")
              .font(ctx.mono(34, FontWeight::bold))
              .foreground(ctx.accent)
              .lineLimit(1)
              .textRole(TextRole::label)
              .frame({.height = 34 * u, .alignment = Alignment::top}),
          Text(data.text)
              .font(ctx.mono(16, FontWeight::regular))
              .lineSpacing(9.6 * u)
              .lineLimit(3)
              .frame({.maxWidth = 440 * u, .alignment = Alignment::leading})
              .padding(Edge::top, 6 * u),
          Spacer(),
          MicroLabel("— " + data.author, 9, 0.16, ZavelTokens::screenText3, ctx),
      });
}

} // namespace zavel
