#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Iso8601.h"
#include "kit/widgets/Timeline.h"

#include <gtest/gtest.h>

#include <string>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::foundation::encodeJson;

struct Reading {
  std::string place;
  double value = 0;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("place", &Reading::place), field("value", &Reading::value)};
  }
};

static_assert(kit::widgets::TimelineEntry<ZavelEntry<Reading>>);

TEST(ZavelEntry, PrintsDateCasingAndData) {
  Date date = *kit::foundation::dateFromIso8601("2024-03-31T01:30:00.750Z");
  ZavelEntry<Reading> entry{date, {"Oslo", 4.5}};
  EXPECT_EQ(encodeJson(entry), kit::foundation::Json::parse(R"({"date": "2024-03-31T01:30:00Z",
                "casing": "followApp", "data": {"place": "Oslo", "value": 4.5}})"));
}

} // namespace
} // namespace zavel
