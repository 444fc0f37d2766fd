#include "Shared/Views/RSSViews/RSSLatestView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/RSSViews/FeedCaptions.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

namespace zavel {
namespace {

using namespace kit::ui;

View headlineTitle(const RSSItem &item, const ZCtx &ctx) {
  return Text(item.title)
      .font(ctx.mono(14, FontWeight::regular))
      .lineSpacing(7 * ctx.u)
      .foreground(ZavelTokens::screenText1)
      .lineLimit(4);
}

} // namespace

View RSSLatestView::body() const {
  const RSSItem *first = data.empty() ? nullptr : &data.front();
  double u = ctx.u;
  return ScreenColumn(
      ctx, {.alignment = Alignment::topLeading, .vertical = 18, .horizontal = 18},
      {
          HStack(VAlign::center, 7 * u,
                 {
                     Circle().fill(ctx.accent).frame(5 * u, 5 * u),
                     MicroLabel(first ? first->feedTitle : "RSS", 9, 0.18, ZavelTokens::screenText2,
                                ctx),
                 }),
          (first ? headlineTitle(*first, ctx) : AddFeedsLabel(ctx)).padding(Edge::top, 16 * u),
          Spacer(0),
          HeadlineAge(first, ctx),
      });
}

} // namespace zavel
