#include "Shared/Views/SystemViews/StockFigures.h"

#include "Shared/Theme/DesignTokens.h"

#include <fmt/format.h>

namespace zavel::StockFigures {

std::string priceText(double price) { return fmt::format("{:.2f}", price); }

std::string changeText(double changePercent) { return fmt::format("{:+.1f}%", changePercent); }

kit::ui::Color changeColor(double changePercent, const ZCtx &ctx) {
  return ctx.casingShade(changePercent >= 0 ? ZavelTokens::dataTeal : ctx.accent);
}

} // namespace zavel::StockFigures
