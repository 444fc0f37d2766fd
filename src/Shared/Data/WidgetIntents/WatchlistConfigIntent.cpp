#include "Shared/Data/WidgetIntents/WatchlistConfigIntent.h"

#include "Shared/Data/ExtrasProviders/StocksProvider.h"

namespace zavel {

std::vector<std::string> WatchlistConfigIntent::symbols() const {
  std::vector<std::string> cleaned;
  for (const auto *symbol : {&symbol1, &symbol2, &symbol3}) {
    std::string normalized = StocksProvider::normalizedSymbol(*symbol);
    if (!normalized.empty())
      cleaned.push_back(std::move(normalized));
  }
  return cleaned;
}

} // namespace zavel
