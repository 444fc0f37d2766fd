#include "Shared/Views/ScreenHeader.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "kit/ui/Stacks.h"

namespace zavel {

using namespace kit::ui;

View ScreenHeader(const std::string &caption, const View &trailing, const ZCtx &ctx) {
  return HStack(VAlign::center, {
                                    MicroLabel(caption, 10, 0.16, ZavelTokens::screenText2, ctx),
                                    Spacer(),
                                    trailing,
                                });
}

} // namespace zavel
