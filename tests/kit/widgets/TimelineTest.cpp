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
  for (auto [policy, json] : {std::pair{ReloadPolicy::atEnd(), R"("atEnd")"},
                              {ReloadPolicy::never(), R"("never")"},
                              {ReloadPolicy::after(date), R"({"after":"2025-03-01T09:30:00Z"})"}}) {
    EXPECT_EQ(foundation::jsonText(foundation::encodeJson(policy)), json);
    EXPECT_EQ(foundation::decodeJson<ReloadPolicy>(Json::parse(json)), policy) << json;
  }
  for (const char *text : {R"("AtEnd")", R"({"after": 5})", R"({"after": "soon"})", R"({})"})
    EXPECT_THROW(foundation::decodeJson<ReloadPolicy>(Json::parse(text)), DecodeError) << text;
}

} // namespace
} // namespace kit::widgets
