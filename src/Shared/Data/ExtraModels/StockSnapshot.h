#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <optional>
#include <string>
#include <vector>

namespace zavel {

// The last quote of one ticker symbol with the day's chart.
struct StockSnapshot {
  // One sample of the day's chart.
  struct Point {
    double value = 0;
    std::optional<std::string> label; // the hour ("10AM"), on the points drawn with one

    bool operator==(const Point &) const = default;
    static constexpr auto jsonFields() {
      using kit::foundation::field;
      return std::tuple{field("value", &Point::value), field("label", &Point::label)};
    }
  };

  std::string symbol;
  double price = 0;
  double changePercent = 0;  // against the previous close: -1.2 is a fall of 1.2 %
  std::vector<Point> points; // oldest first
  kit::foundation::Date updated;

  static const StockSnapshot &sample();

  bool operator==(const StockSnapshot &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    using R = StockSnapshot;
    return std::tuple{field("symbol", &R::symbol), field("price", &R::price),
                      field("changePercent", &R::changePercent), field("points", &R::points),
                      field("updated", &R::updated)};
  }
};

} // namespace zavel
