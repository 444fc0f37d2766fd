#include "Widgets/WholeTexts.h"

#include "kit/foundation/Clock.h"
#include "kit/ui/Layout.h"
#include "kit/ui/UI.h"
#include "kit/ui/text/TextEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zavel::testing {
namespace {

using namespace kit::ui;

bool crossesARing(const View &view) {
  LaidOutTree tree = layOut(view, {170, 170},
                            {defaultTextEngine(), kit::foundation::systemNow(),
                             WidgetRenderingMode::fullColor, ColorScheme::light});
  std::vector<std::string> faults = textFaults(tree, ZavelSize::s, false);
  return std::any_of(faults.begin(), faults.end(), [](const std::string &fault) {
    return fault.find("crosses a ring's line") != std::string::npos;
  });
}

View time(double x) { return Text("07:15").textRole(TextRole::data).offset(x, 0); }

// A progress arc is drawn as a trimmed circle; at a quarter its box is square, yet it is no circle.
TEST(WholeTexts, ATextOnAWholeRingsLineCrossesItAndOneInsideAnArcDoesNot) {
  View ring = Circle().stroke(Color::white, 6).frame(100, 100);
  View quarterArc = Circle().trim(0, 0.25).stroke(Color::white, 6).frame(100, 100);
  struct Case {
    const char *name;
    View view;
    bool crosses;
  } cases[] = {
      {"inside a whole ring", ZStack({ring, time(0)}), false},
      {"on a whole ring's line", ZStack({ring, time(50)}), true},
      {"inside a quarter arc", ZStack({quarterArc, time(0)}), false},
  };
  for (const Case &c : cases)
    EXPECT_EQ(crossesARing(c.view), c.crosses) << c.name;
}

} // namespace
} // namespace zavel::testing
