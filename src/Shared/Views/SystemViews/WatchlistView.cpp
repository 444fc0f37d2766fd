#include "Shared/Views/SystemViews/WatchlistView.h"

#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/SystemViews/StockFigures.h"
#include "kit/foundation/Clock.h"
#include "kit/foundation/TextOperations.h"
#include "kit/ui/UI.h"

#include <span>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace StockFigures;

constexpr std::size_t shownStocks = 3;

// The stocks' rows line up at their leading edges, the list centred in the widget.
constexpr ColumnStyle watchlistColumn{.alignment = Alignment::center,
                                      .spacing = 18,
                                      .vertical = 22,
                                      .horizontal = 26,
                                      .rows = HAlign::leading};

View stockRow(const StockSnapshot &stock, const ZCtx &ctx) {
  double u = ctx.u;
  return HStack(VAlign::firstTextBaseline, 14 * u,
                {
                    MicroLabel(stock.symbol, 11, 0.1, ctx.casingInk(), FontWeight::bold, ctx)
                        .frame({.width = 64 * u, .alignment = Alignment::leading}),
                    Text(kit::foundation::lowercased(stock.symbol))
                        .font(ctx.mono(10, FontWeight::regular))
                        .foreground(ctx.casingInk(InkLevel::tertiary))
                        .lineLimit(1)
                        .frame({.maxWidth = infinity, .alignment = Alignment::leading}),
                    Text(priceText(stock.price))
                        .font(ctx.mono(11, FontWeight::semibold))
                        .textRole(TextRole::data),
                    figureFit(Text(changeText(stock.changePercent)))
                        .font(ctx.mono(10, FontWeight::semibold))
                        .foreground(changeColor(stock.changePercent, ctx))
                        .frame({.width = 56 * u, .alignment = Alignment::trailing}),
                });
}

View emptyHint(const ZCtx &ctx) {
  return Text("Pick symbols with Edit Widget")
      .font(ctx.mono(10, FontWeight::regular))
      .foreground(ctx.casingInk(InkLevel::tertiary));
}

} // namespace

const std::vector<StockSnapshot> &WatchlistView::sample() {
  static const std::vector<StockSnapshot> sample = [] {
    kit::foundation::Date now = kit::foundation::systemNow();
    return std::vector<StockSnapshot>{
        {"KDRX", 142.68, 2.4, StockSnapshot::sample().points, now},
        {"OMLT", 63.10, -1.1, {}, now},
        {"HWDG", 288.40, 0.6, {}, now},
    };
  }();
  return sample;
}

View WatchlistView::body() const {
  auto shown = std::span(data).first(std::min(shownStocks, data.size()));
  return PaddedColumn(
      ctx, watchlistColumn,
      {
          MicroLabel("WATCHLIST", 10, 0.16, ctx.casingInk(InkLevel::secondary), ctx),
          data.empty() ? emptyHint(ctx) : EmptyView(),
          ForEach(shown, [&](const StockSnapshot &stock) { return stockRow(stock, ctx); }),
      });
}

} // namespace zavel
