#include "Shared/Views/SystemViews/DevicesView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/MeterRow.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <span>

namespace zavel {
namespace {

using namespace kit::ui;

constexpr std::size_t shownDevices = 3;
// A battery at this charge or below is drawn as low.
constexpr int64_t lowPercent = 20;

View deviceRow(const PowerSnapshot::Device &device, const ZCtx &ctx) {
  bool low = device.percent <= lowPercent;
  Color ink = low ? ctx.accent : ZavelTokens::screenText1;
  return MeterRow(device.name, static_cast<double>(device.percent) / 100,
                  std::to_string(device.percent),
                  {.labelWidth = 96,
                   .label = ink,
                   .fill = low ? ctx.accent : ZavelTokens::dataTeal,
                   .figure = ink},
                  ctx);
}

} // namespace

View DevicesView::body() const {
  auto shown = std::span(data.devices).first(std::min(shownDevices, data.devices.size()));
  return ScreenColumn(
      ctx,
      {.alignment = Alignment::center,
       .spacing = 20,
       .vertical = 22,
       .horizontal = 26,
       .rows = HAlign::leading},
      {
          MicroLabel("DEVICES", 10, 0.16, ZavelTokens::screenText2, ctx),
          ForEach(shown,
                  [&](const PowerSnapshot::Device &device) { return deviceRow(device, ctx); }),
      });
}

} // namespace zavel
