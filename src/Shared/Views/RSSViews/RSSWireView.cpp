#include "Shared/Views/RSSViews/RSSWireView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/Hairline.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/RSSViews/FeedCaptions.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/ViewRanges.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <fmt/format.h>

namespace zavel {
namespace {

using namespace kit::ui;

constexpr std::size_t shownRows = 7;

View header(std::size_t count, const ZCtx &ctx) {
  return HStack(
      VAlign::firstTextBaseline,
      {
          Text("The Wire").font(ctx.mono(20, FontWeight::bold)),
          Spacer(),
          MicroLabel(fmt::format("{} HEADLINES", count), 9, 0.16, ZavelTokens::screenText3, ctx),
      });
}

// The feed's name and the headline's age: a long name is cut before the age is.
View source(const RSSItem &item, kit::foundation::Date now, const ZCtx &ctx) {
  return HStack(VAlign::firstTextBaseline, 0,
                {
                    MicroLabel(item.feedTitle, 9, 0.14, ZavelTokens::screenText3, ctx),
                    MicroLabel(" — " + item.ageLabel(now), 9, 0.14, ZavelTokens::screenText3, ctx)
                        .fixedSize(),
                });
}

View row(const RSSItem &item, bool separated, const ZCtx &ctx) {
  View lines = VStack(HAlign::leading, 0,
                      {
                          Text(item.title)
                              .font(ctx.mono(13, FontWeight::regular))
                              .foreground(ZavelTokens::screenText1)
                              .lineLimit(1),
                          TimelineView([item, ctx](kit::foundation::Date now) {
                            return source(item, now, ctx);
                          }).padding(Edge::top, 4 * ctx.u),
                      })
                   .frame(Frame::fill(Alignment::leading));
  if (!separated)
    return lines;
  return lines.overlay(
      Rectangle().fill(ZavelTokens::rowSeparator).frame({.height = hairlineWidth(ctx.u)}),
      Alignment::bottom);
}

// The rows share the height below the header; a hairline parts each from the next.
View rows(const std::vector<RSSItem> &items, const ZCtx &ctx) {
  std::size_t count = std::min(items.size(), shownRows);
  return VStack(HAlign::center, 0,
                {ForEach(indices(count),
                         [&](std::size_t k) { return row(items[k], k + 1 < count, ctx); })})
      .padding(Edge::top, 10 * ctx.u);
}

} // namespace

View RSSWireView::body() const {
  return ScreenColumn(
      ctx, {.alignment = Alignment::topLeading, .vertical = 30, .horizontal = 32},
      {
          header(data.size(), ctx),
          data.empty() ? Group({AddFeedsLabel(ctx).padding(Edge::top, 24 * ctx.u), Spacer(0)})
                       : rows(data, ctx),
      });
}

} // namespace zavel
