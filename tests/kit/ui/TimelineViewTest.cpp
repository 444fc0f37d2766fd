#include "LayoutTesting.h"
#include "kit/ui/UI.h"

#include <gtest/gtest.h>

namespace kit::ui {
namespace {

using foundation::Date;

TEST(TimelineView, BuildsForTheMomentTimerTextsShowInTheSameLayout) {
  View clock = HStack({
      TimelineView(
          [](Date now) { return Text(std::to_string(int(now.secondsSinceReferenceDate))); }),
      Text::timer(Date{1000}),
  });
  const struct {
    Date now;
    std::vector<std::string> texts;
  } cases[] = {
      {.now = Date{1125}, .texts = {"1125", "2:05"}},
      {.now = Date{4600.5}, .texts = {"4600", "1:00:00"}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(testing::lay(clock, {300, 300}, c.now).root.texts(), c.texts)
        << c.now.secondsSinceReferenceDate;
}

} // namespace
} // namespace kit::ui
