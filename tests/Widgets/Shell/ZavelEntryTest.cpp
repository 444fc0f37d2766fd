#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Iso8601.h"
#include "kit/widgets/Timeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::foundation::EncodeError;
using kit::foundation::encodeJson;
using kit::foundation::Json;

struct Reading {
  std::string place;
  double value = 0;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("place", &Reading::place), field("value", &Reading::value)};
  }
  bool operator==(const Reading &) const = default;
};

static_assert(kit::widgets::TimelineEntry<ZavelEntry<Reading>>);
static_assert(kit::widgets::TimelineEntry<ZavelEntry<std::vector<int>>>);

TEST(ZavelEntry, PrintsDateCasingAndData) {
  Date date = *kit::foundation::dateFromIso8601("2024-03-31T01:30:00.750Z");
  ZavelEntry<Reading> entry{date, {"Oslo", 4.5}, CasingOption::cream};
  EXPECT_EQ(entry.date, date);
  EXPECT_EQ(encodeJson(entry), Json::parse(R"({"date": "2024-03-31T01:30:00Z", "casing": "cream",
                                                "data": {"place": "Oslo", "value": 4.5}})"));

  ZavelEntry<std::vector<int>> list{Date{0}, {1, 2}};
  EXPECT_EQ(list.casing, CasingOption::followApp);
  EXPECT_EQ(encodeJson(list), Json::parse(R"({"date": "2001-01-01T00:00:00Z",
                                               "casing": "followApp", "data": [1, 2]})"));
}

TEST(ZavelEntry, APayloadWithoutJsonFormCannotBePrinted) {
  ZavelEntry<Reading> entry{Date{0}, {"Nowhere", NAN}, CasingOption::graphite};
  EXPECT_THROW(encodeJson(entry), EncodeError);
}

} // namespace
} // namespace zavel
