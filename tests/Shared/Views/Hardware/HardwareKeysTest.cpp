#include "Shared/Views/Hardware/HardwareKeys.h"
#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(HardwareKeys, PressedKeyMovesDownByTwoUnits) {
  ButtonStyle style = HardwareKeyStyle(1.5);
  View face = KeyFace(30, 1.5, ZavelTokens::keyInk, EmptyView());
  Rect rest = lay(style({face, false}), {40, 40}).root.findAll("Circle").at(0)->frame;
  Rect held = lay(style({face, true}), {40, 40}).root.findAll("Circle").at(0)->frame;
  EXPECT_EQ(held, rest.offsetBy(0, 3));
}

} // namespace
} // namespace zavel
