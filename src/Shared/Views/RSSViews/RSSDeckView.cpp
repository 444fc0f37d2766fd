#include "Shared/Views/RSSViews/RSSDeckView.h"

#include "Shared/Data/CycledIndex.h"
#include "Shared/Data/RSSStore/RSSCycleIntent.h"
#include "Shared/Data/RSSStore/URLString.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Deck.h"
#include "Shared/Views/Glyphs/KeyGlyphs.h"
#include "Shared/Views/Hardware/HardwareKeys.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/RSSViews/FeedCaptions.h"
#include "kit/ui/UI.h"

#include <fmt/format.h>

namespace zavel {
namespace {

using namespace kit::ui;

// "RSS · 3 OF 24": the shown headline's place, counted from 1, or 0 of 0.
std::string positionLabel(const RSSDeckData &data) {
  int64_t place =
      data.items.empty() ? 0 : shownIndex(data.index, static_cast<int64_t>(data.items.size())) + 1;
  return fmt::format("RSS · {} OF {}", place, data.items.size());
}

View header(const RSSDeckData &data, const RSSItem *item, const ZCtx &ctx) {
  return HStack(
      VAlign::center, 12 * ctx.u,
      {
          MicroLabel(positionLabel(data), 10, 0.16, ZavelTokens::screenText2, ctx),
          Spacer(),
          item ? MicroLabel(item->feedTitle, 9, 0.14, ctx.accent, FontWeight::semibold, ctx)
               : EmptyView(),
      });
}

View title(const RSSItem *item, const ZCtx &ctx) {
  return Text(item ? item->title : "Add feeds in Zavel")
      .font(ctx.mono(17, FontWeight::semibold))
      .foreground(item ? ZavelTokens::screenText1 : ZavelTokens::screenText3)
      .lineLimit(2);
}

View summary(const RSSItem *item, const ZCtx &ctx) {
  if (!item || !item->summary)
    return EmptyView();
  return Text(*item->summary)
      .font(ctx.mono(11.5, FontWeight::regular))
      .lineSpacing(5.75 * ctx.u)
      .foreground(ZavelTokens::noteBody)
      .lineLimit(3)
      .padding(Edge::top, 12 * ctx.u);
}

View cycleKey(int64_t step, const ZCtx &ctx) {
  return MediumDeckKey(kit::intents::intentReference(RSSCycleIntent{.step = step}),
                       ZavelTokens::keyInk, ChevronGlyph(17 * ctx.u, step < 0),
                       step < 0 ? "chevron.up" : "chevron.down", ctx);
}

} // namespace

View RSSDeckView::body() const {
  const RSSItem *item = data.shown();
  return Deck(ctx, mediumDeck,
              VStack(HAlign::leading, 0,
                     {
                         header(data, item, ctx),
                         title(item, ctx).padding(Edge::top, 14 * ctx.u),
                         summary(item, ctx),
                         Spacer(0),
                         HeadlineAge(item, ctx),
                     }),
              Group({cycleKey(-1, ctx), cycleKey(1, ctx)}), openKey(item));
}

View RSSDeckView::openKey(const RSSItem *item) const {
  // Only a web page opens: a link to a file or another application is never followed.
  if (!item || !item->link || !isWebLink(*item->link))
    return openFace().opacity(0.4);
  return Link(*item->link, openFace()).buttonStyle(HardwareKeyStyle(ctx.u));
}

View RSSDeckView::openFace() const {
  return MediumDeckAccentFace(AccentKeyWord("OPEN", ctx), "OPEN", ctx);
}

} // namespace zavel
