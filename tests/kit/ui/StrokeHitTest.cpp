#include "LayoutTesting.h"
#include "kit/ui/HitTest.h"
#include "kit/ui/UI.h"

#include <gtest/gtest.h>

namespace kit::ui {
namespace {

TEST(HitTest, AStrokedShapeOverAKeyShieldsItOnlyAlongItsStroke) {
  // A frame's 4-point border drawn over a key that fills the square.
  View keyUnderBorder = Button({"Key"}, Rectangle().fill(Color::black))
                            .overlay(Rectangle().strokeBorder(Color::white, 4))
                            .frame(100, 100);
  LaidOutTree tree = testing::lay(keyUnderBorder, {100, 100});
  const struct {
    const char *name;
    Point point;
    bool key;
  } cases[] = {
      {.name = "inside the border", .point = {50, 50}, .key = true},
      {.name = "just inside the stroke", .point = {4.5, 50}, .key = true},
      {.name = "on the stroke", .point = {3.5, 50}, .key = false},
      {.name = "at the corner", .point = {1, 1}, .key = false},
  };
  for (const auto &c : cases)
    EXPECT_EQ(hitTest(tree, c.point) != nullptr, c.key) << c.name;
}

} // namespace
} // namespace kit::ui
