#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"

#include <string>

// How the stock widgets print a quote's figures.
namespace zavel::StockFigures {

// Two decimals, no grouping: "1234.50".
std::string priceText(double price);

// The sign always, one decimal: "+0.0%", "-1.1%".
std::string changeText(double changePercent);

// Teal for a rise or no change, the accent colour for a fall, each in its shade for the casing
// the stock widgets draw on.
kit::ui::Color changeColor(double changePercent, const ZCtx &ctx);

} // namespace zavel::StockFigures
