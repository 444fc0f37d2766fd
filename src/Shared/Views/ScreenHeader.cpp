#include "Shared/Views/ScreenHeader.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "kit/ui/Stacks.h"

namespace zavel {

using namespace kit::ui;

View ScreenHeader(const std::string &caption, const View &trailing, const ZCtx &ctx) {
  return ScreenHeader(MicroLabel(caption, 10, 0.16, ZavelTokens::screenText2, ctx), trailing);
}

View ScreenHeader(const View &caption, const View &trailing) {
  // The figure keeps its whole width and the caption takes the rest before the spacer does;
  // an even share of the row would cut captions that fit beside the figure.
  return HStack(VAlign::center, {caption.layoutPriority(1), Spacer(),
                                 trailing.textRole(TextRole::data).fixedSize()});
}

} // namespace zavel
