#pragma once

#include "Shared/Data/ExtraModels/StockSnapshot.h"
#include "Shared/Data/ExtrasProviders/ServiceEnvironment.h"

#include <optional>
#include <string>
#include <string_view>

// Quotes of ticker symbols from the stock chart service: the last price, the change against the
// previous close and up to eight points of the day's chart, each symbol cached in the shared
// suite for 15 minutes.
namespace zavel::StocksProvider {

// Followed by the normalised symbol, with no separator: "zavel.stock.cache.AAPL".
inline constexpr std::string_view cacheKeyPrefix = "zavel.stock.cache.";
// Seconds a cached quote is used without asking the service.
inline constexpr double freshnessWindow = 900;
// Below the service's base address; the symbol follows as one path segment.
inline constexpr std::string_view chartPath = "/v8/finance/chart/";

// Where the cache is, when "now" is, and where the service is.
using Environment = ServiceEnvironment<kit::foundation::WebService::stocks>;

// The symbol as it is keyed and requested: upper-cased by the language-neutral rules, then
// without spaces and tabs at either end (line breaks stay).
std::string normalizedSymbol(std::string_view symbol);

// The suite key of a normalised symbol's quote.
std::string cacheKey(std::string_view normalizedSymbol);

// The quote the chart service's answer gives for the normalised symbol, dated `now`. Throws
// kit::foundation::DecodeError when the body is not a chart answer, and
// kit::foundation::HttpError when it holds no price.
StockSnapshot quoteFromAnswer(std::string_view body, std::string_view normalizedSymbol,
                              kit::foundation::Date now);

// The quote of the symbol as the user typed it: the cached one while younger than 15 minutes,
// else a fresh one from the service (then cached), else the cached one of any age, else none.
// Never throws.
std::optional<StockSnapshot> snapshot(std::string_view symbol, const Environment &environment = {});

} // namespace zavel::StocksProvider
