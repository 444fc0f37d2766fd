#include "Shared/Data/ExtrasProviders/StocksProvider.h"

#include "Shared/Data/ExtrasProviders/CachedFetch.h"
#include "Shared/Data/SharedSuite.h"

#include "kit/foundation/DateFormatter.h"
#include "kit/foundation/Locale.h"
#include "kit/foundation/TextOperations.h"
#include "kit/foundation/TimeZone.h"
#include "kit/foundation/net/HttpError.h"
#include "kit/foundation/net/HttpSession.h"
#include "kit/foundation/net/URLEncoding.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace zavel::StocksProvider {

namespace {

using kit::foundation::Date;
using kit::foundation::field;
using kit::foundation::HttpError;

// The parts of the chart service's answer that are read.
struct Meta {
  std::optional<double> regularMarketPrice;
  std::optional<double> chartPreviousClose;
  static constexpr auto jsonFields() {
    return std::tuple{field("regularMarketPrice", &Meta::regularMarketPrice),
                      field("chartPreviousClose", &Meta::chartPreviousClose)};
  }
};

struct Quote {
  std::optional<std::vector<std::optional<double>>> close;
  static constexpr auto jsonFields() { return std::tuple{field("close", &Quote::close)}; }
};

struct Indicators {
  std::vector<Quote> quote;
  static constexpr auto jsonFields() { return std::tuple{field("quote", &Indicators::quote)}; }
};

struct Result {
  Meta meta;
  std::optional<std::vector<int64_t>> timestamp; // seconds since 1970, one per sample
  Indicators indicators;
  static constexpr auto jsonFields() {
    return std::tuple{field("meta", &Result::meta), field("timestamp", &Result::timestamp),
                      field("indicators", &Result::indicators)};
  }
};

struct Chart {
  std::optional<std::vector<Result>> result;
  static constexpr auto jsonFields() { return std::tuple{field("result", &Chart::result)}; }
};

struct API {
  Chart chart;
  static constexpr auto jsonFields() { return std::tuple{field("chart", &API::chart)}; }
};

constexpr std::size_t kMaxPoints = 8;

// One close of the chart with the time of that same sample, when the answer gives one.
struct Sample {
  double close = 0;
  std::optional<int64_t> timestamp;
};

// The closes that have a value, each kept with its own timestamp: dropping a missing close
// drops its timestamp too, so no later label moves to another hour.
std::vector<Sample> samples(const Result &result) {
  std::vector<Sample> kept;
  const auto &quotes = result.indicators.quote;
  if (quotes.empty() || !quotes.front().close)
    return kept;
  const auto &closes = *quotes.front().close;
  const auto timestamps = result.timestamp.value_or(std::vector<int64_t>{});
  for (std::size_t i = 0; i < closes.size(); ++i) {
    if (!closes[i])
      continue;
    Sample sample{*closes[i], std::nullopt};
    if (i < timestamps.size())
      sample.timestamp = timestamps[i];
    kept.push_back(sample);
  }
  return kept;
}

double changePercent(double price, double previous) {
  return previous > 0 ? (price - previous) / previous * 100 : 0;
}

// Up to eight points spread from the first sample on; every other point carries its hour.
std::vector<StockSnapshot::Point> points(const std::vector<Sample> &samples) {
  kit::foundation::DateFormatter hour("ha", kit::foundation::Locale::current(),
                                      kit::foundation::TimeZone::current());
  std::vector<StockSnapshot::Point> result;
  const std::size_t step = std::max(samples.size(), kMaxPoints) / kMaxPoints;
  for (std::size_t p = 0; p < samples.size() && result.size() < kMaxPoints; p += step) {
    StockSnapshot::Point point{samples[p].close, std::nullopt};
    if (result.size() % 2 == 0 && samples[p].timestamp)
      point.label = kit::foundation::uppercased(
          hour.string(Date::fromUnixTime(static_cast<double>(*samples[p].timestamp))));
    result.push_back(std::move(point));
  }
  return result;
}

StockSnapshot converted(const Result &result, std::string_view symbol, Date now) {
  const double price = *result.meta.regularMarketPrice;
  const std::vector<Sample> kept = samples(result);
  const double previous =
      result.meta.chartPreviousClose.value_or(kept.empty() ? price : kept.front().close);
  return StockSnapshot{std::string(symbol), price, changePercent(price, previous), points(kept),
                       now};
}

std::string chartURL(const std::optional<std::string> &address, std::string_view symbol) {
  std::string url = kit::foundation::serviceURL(address, chartPath) +
                    kit::foundation::percentEncodedPathSegment(symbol);
  return kit::foundation::urlWithQueryItems(
      url, {{"range", "1d"}, {"interval", "30m"}, {"includePrePost", "false"}});
}

StockSnapshot fetch(std::string_view symbol, const Environment &environment) {
  kit::foundation::HttpRequest request{
      .url = chartURL(environment.address, symbol),
      .headers = {{"User-Agent", "Mozilla/5.0"}},
      .timeout = std::chrono::seconds(60),
  };
  // The status is not judged: an answer whose body reads is used.
  auto response = kit::foundation::HttpSession::shared().data(request);
  return quoteFromAnswer(response.body, symbol, environment.clock.now());
}

} // namespace

StockSnapshot quoteFromAnswer(std::string_view body, std::string_view symbol, Date now) {
  auto api = kit::foundation::decodeJsonData<API>(body);
  if (!api)
    throw kit::foundation::DecodeError("unreadable chart answer");
  const auto &results = api->chart.result;
  if (!results || results->empty() || !results->front().meta.regularMarketPrice)
    throw HttpError(HttpError::Code::cannotParseResponse, "chart answer without a price");
  return converted(results->front(), symbol, now);
}

std::string normalizedSymbol(std::string_view symbol) {
  return kit::foundation::trimmingWhitespace(kit::foundation::uppercased(symbol));
}

std::string cacheKey(std::string_view normalizedSymbol) {
  return std::string(cacheKeyPrefix) + std::string(normalizedSymbol);
}

std::optional<StockSnapshot> snapshot(std::string_view symbol, const Environment &environment) {
  const std::string normalized = normalizedSymbol(symbol);
  const std::string key = cacheKey(normalized);
  return cachedOrFetched<StockSnapshot>(
      [&] { return SharedSuite::read<StockSnapshot>(key, environment.home); },
      [&] { return fetch(normalized, environment); },
      [&](const StockSnapshot &fresh) { SharedSuite::write(key, fresh, environment.home); },
      environment.clock.now(), freshnessWindow);
}

} // namespace zavel::StocksProvider
