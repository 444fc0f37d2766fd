#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Iso8601.h"
#include "kit/widgets/Timeline.h"

#include <gtest/gtest.h>

#include <string>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::foundation::encodeJson;

static_assert(kit::widgets::TimelineEntry<ZavelEntry<std::string>>);

TEST(ZavelEntry, PrintsDateCasingAndData) {
  Date date = *kit::foundation::dateFromIso8601("2024-03-31T01:30:00.750Z");
  ZavelEntry<std::string> entry{date, "Oslo"};
  EXPECT_EQ(encodeJson(entry),
            kit::foundation::Json::parse(
                R"({"date": "2024-03-31T01:30:00Z", "casing": "followApp", "data": "Oslo"})"));
}

} // namespace
} // namespace zavel
