#include "kit/foundation/Iso8601.h"
#include "kit/widgets/ReloadPolicy.h"
#include "kit/widgets/TimelineContext.h"

#include <gtest/gtest.h>

namespace kit::widgets {
namespace {

using foundation::DecodeError;
using foundation::Json;

TEST(WidgetFamily, ContextsCarryTheDisplaySizeAndAStrayFamilyReadsAsSmall) {
  EXPECT_EQ(TimelineContext::of(WidgetFamily::systemLarge).displaySize, (ui::Size{364, 382}));
  EXPECT_EQ(displaySize(static_cast<WidgetFamily>(9)), (ui::Size{170, 170}));
}

TEST(ReloadPolicy, JsonFormsReadBack) {
  auto date = *foundation::dateFromIso8601("2025-03-01T09:30:00Z");
  struct Case {
    ReloadPolicy policy;
    Json json;
  };
  const Case cases[] = {
      {ReloadPolicy::atEnd(), "atEnd"},
      {ReloadPolicy::never(), "never"},
      {ReloadPolicy::after(date), {{"after", "2025-03-01T09:30:00Z"}}},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(foundation::encodeJson(c.policy), c.json);
    EXPECT_EQ(foundation::decodeJson<ReloadPolicy>(c.json), c.policy) << c.json;
  }
  for (const char *text : {R"("AtEnd")", R"({"after": 5})", R"({"after": "soon"})", R"({})"})
    EXPECT_THROW(foundation::decodeJson<ReloadPolicy>(Json::parse(text)), DecodeError) << text;
}

} // namespace
} // namespace kit::widgets
