#include "Shared/Views/SystemViews/StorageView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/Bars.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/NumeralReadout.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/foundation/Saturating.h"
#include "kit/ui/UI.h"

namespace zavel {

using kit::foundation::wholeRounded;

namespace {

using namespace kit::ui;

// Whole terabytes from 1000 GB on, else gigabytes.
std::string totalLabel(int64_t totalGB) {
  if (totalGB >= 1000)
    return std::to_string(wholeRounded(static_cast<double>(totalGB) / 1000)) + " TB";
  return std::to_string(totalGB) + " GB";
}

double usedFraction(const StorageSnapshot &storage) {
  if (storage.totalGB < 1)
    return 0;
  return static_cast<double>(storage.usedGB) / static_cast<double>(storage.totalGB);
}

} // namespace

View StorageView::body() const {
  double u = ctx.u;
  return ScreenColumn(
      ctx, {},
      {
          MicroLabel("STORAGE", 9, 0.18, ZavelTokens::screenText2, ctx),
          NumeralReadout(
              {.numeral = std::to_string(data.usedGB), .size = 58, .unit = "GB", .unitSize = 13},
              ctx)
              .padding(Edge::top, 18 * u),
          Spacer(0),
          TrackBar(usedFraction(data), {.height = 5}, ctx),
          MicroLabel("OF " + totalLabel(data.totalGB) + " USED", 9, 0.14, ZavelTokens::screenText3,
                     ctx)
              .padding(Edge::top, 12 * u),
      });
}

} // namespace zavel
