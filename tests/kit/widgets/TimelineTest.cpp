#include "kit/foundation/Iso8601.h"
#include "kit/widgets/ReloadPolicy.h"
#include "kit/widgets/TimelineContext.h"

#include <gtest/gtest.h>

namespace kit::widgets {
namespace {

using foundation::DecodeError;
using foundation::Json;

TEST(WidgetFamily, NamesAndDisplaySizes) {
  struct Case {
    WidgetFamily family;
    const char *name;
    ui::Size size;
  };
  const Case cases[] = {{WidgetFamily::systemSmall, "small", {170, 170}},
                        {WidgetFamily::systemMedium, "medium", {364, 170}},
                        {WidgetFamily::systemLarge, "large", {364, 382}}};
  for (const Case &c : cases) {
    EXPECT_EQ(familyName(c.family), c.name);
    EXPECT_EQ(displaySize(c.family), c.size) << c.name;
    TimelineContext context = TimelineContext::of(c.family, true);
    EXPECT_TRUE(context.isPreview);
    EXPECT_EQ(context.family, c.family);
    EXPECT_EQ(context.displaySize, c.size);
  }
  EXPECT_FALSE(TimelineContext::of(WidgetFamily::systemLarge).isPreview);
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
  EXPECT_EQ(ReloadPolicy::after(date).date(), date);
  EXPECT_EQ(ReloadPolicy::atEnd().date(), std::nullopt);
  EXPECT_NE(ReloadPolicy::after(date), ReloadPolicy::after(date.addingTimeInterval(1)));
}

TEST(ReloadPolicy, OtherFormsAreRefused) {
  for (const char *text : {R"("AtEnd")", R"({"after": 5})", R"({"after": "soon"})", R"({})",
                           R"({"after": null})", "[]"})
    EXPECT_THROW(foundation::decodeJson<ReloadPolicy>(Json::parse(text)), DecodeError) << text;
}

} // namespace
} // namespace kit::widgets
