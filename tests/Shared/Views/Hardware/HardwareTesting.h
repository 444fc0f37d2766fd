#pragma once

#include "Shared/Views/WidgetContext.h"
#include "kit/ui/LayoutTesting.h"
#include "kit/ui/UI.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zavel::testing {

using kit::ui::testing::lay;
using kit::ui::testing::rect;

// A render context as the widget root makes it, with the unit, size class and casing given.
inline ZCtx context(double u, ZavelSize size = ZavelSize::s, bool cream = false) {
  ZCtx ctx;
  std::tie(ctx.u, ctx.size, ctx.cream) = std::tuple(u, size, cream);
  return ctx;
}

inline void expectRectNear(const kit::ui::Rect &actual, const kit::ui::Rect &expected,
                           const std::string &what, double tolerance = 1e-9) {
  EXPECT_NEAR(actual.minX(), expected.minX(), tolerance) << what;
  EXPECT_NEAR(actual.minY(), expected.minY(), tolerance) << what;
  EXPECT_NEAR(actual.size.width, expected.size.width, tolerance) << what;
  EXPECT_NEAR(actual.size.height, expected.size.height, tolerance) << what;
}

inline void expectPointNear(const kit::ui::Point &actual, const kit::ui::Point &expected,
                            const std::string &what, double tolerance = 1e-9) {
  EXPECT_NEAR(actual.x, expected.x, tolerance) << what;
  EXPECT_NEAR(actual.y, expected.y, tolerance) << what;
}

} // namespace zavel::testing
