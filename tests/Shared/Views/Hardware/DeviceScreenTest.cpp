#include "Shared/Views/Hardware/DeviceScreen.h"
#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(DeviceScreen, ContentInTheScreenTextColour) {
  LaidOutTree tree = lay(DeviceScreen(context(0.5), Text("PLAIN")), {170, 170});
  EXPECT_EQ(tree.root.findText("PLAIN")->as<TextRun>()->paint, Paint{ZavelTokens::screenText1});
}

} // namespace
} // namespace zavel
