#pragma once

#include "Shared/Data/WidgetIntents/CasingOption.h"

#include "kit/intents/AppIntent.h"

#include <string>
#include <string_view>
#include <tuple>

namespace zavel {

// The ticker's configuration: one symbol as the user typed it (the quote provider cleans it).
struct StockConfigIntent {
  static constexpr std::string_view typeName = "StockConfigIntent";
  static constexpr std::string_view title = "Ticker Options";

  std::string symbol = "AAPL";
  CasingOption casing = CasingOption::followApp;

  static constexpr auto parameters() {
    return std::tuple{kit::intents::parameter("symbol", "Symbol", &StockConfigIntent::symbol),
                      casingParameter(&StockConfigIntent::casing)};
  }
  bool operator==(const StockConfigIntent &) const = default;
};

static_assert(kit::intents::WidgetConfigurationIntent<StockConfigIntent>);

} // namespace zavel
