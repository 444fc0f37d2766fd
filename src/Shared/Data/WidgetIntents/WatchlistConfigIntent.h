#pragma once

#include "Shared/Data/WidgetIntents/CasingOption.h"

#include "kit/intents/AppIntent.h"

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace zavel {

// The watchlist's configuration: three symbols as the user typed them.
struct WatchlistConfigIntent {
  static constexpr std::string_view typeName = "WatchlistConfigIntent";
  static constexpr std::string_view title = "Watchlist Options";

  std::string symbol1 = "AAPL";
  std::string symbol2 = "MSFT";
  std::string symbol3 = "NVDA";
  CasingOption casing = CasingOption::followApp;

  // The symbols in field order, each without spaces and tabs at its ends and upper-cased; empty
  // ones are dropped, duplicates kept.
  std::vector<std::string> symbols() const;

  static constexpr auto parameters() {
    using kit::intents::parameter;
    using I = WatchlistConfigIntent;
    return std::tuple{parameter("symbol1", "Symbol 1", &I::symbol1),
                      parameter("symbol2", "Symbol 2", &I::symbol2),
                      parameter("symbol3", "Symbol 3", &I::symbol3), casingParameter(&I::casing)};
  }
  bool operator==(const WatchlistConfigIntent &) const = default;
};

static_assert(kit::intents::WidgetConfigurationIntent<WatchlistConfigIntent>);

} // namespace zavel
