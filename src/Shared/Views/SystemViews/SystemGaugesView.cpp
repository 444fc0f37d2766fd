#include "Shared/Views/SystemViews/SystemGaugesView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/MeterRow.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/foundation/Saturating.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace zavel {

using kit::foundation::wholeRounded;

namespace {

using namespace kit::ui;

struct GaugeRow {
  std::string label;
  std::optional<int64_t> value;
};

int64_t storagePercent(const StorageSnapshot &storage) {
  if (storage.totalGB < 1)
    return 0;
  return wholeRounded(static_cast<double>(storage.usedGB) / static_cast<double>(storage.totalGB) *
                      100);
}

std::vector<GaugeRow> gaugeRows(const SystemGauges &data) {
  return {{"CPU", data.system.cpuPercent},
          {"MEMORY", data.system.memoryPercent},
          {"GPU", data.system.gpuPercent},
          {"STORAGE", storagePercent(data.storage)}};
}

std::optional<int64_t> topValue(const std::vector<GaugeRow> &rows) {
  std::optional<int64_t> top;
  for (const GaugeRow &row : rows)
    if (row.value && (!top || *row.value > *top))
      top = row.value;
  return top;
}

View gauge(const GaugeRow &row, std::optional<int64_t> top, const ZCtx &ctx) {
  bool lit = row.value && row.value == top;
  double fraction = row.value ? static_cast<double>(*row.value) / 100 : 0;
  return MeterRow(row.label, fraction, row.value ? std::to_string(*row.value) : "—",
                  {.labelWidth = 80,
                   .label = ZavelTokens::screenText3,
                   .fill = lit ? ctx.accent : ZavelTokens::dataTeal,
                   .figure = lit ? ctx.accent : ZavelTokens::screenText1},
                  ctx);
}

} // namespace

View SystemGaugesView::body() const {
  std::vector<GaugeRow> rows = gaugeRows(data);
  std::optional<int64_t> top = topValue(rows);
  return ScreenColumn(ctx,
                      {.alignment = Alignment::center,
                       .spacing = 16,
                       .vertical = 22,
                       .horizontal = 26,
                       .rows = HAlign::leading},
                      {ForEach(rows, [&](const GaugeRow &row) { return gauge(row, top, ctx); })});
}

} // namespace zavel
