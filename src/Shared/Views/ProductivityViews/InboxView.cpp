#include "Shared/Views/ProductivityViews/InboxView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

#include <sstream>

namespace zavel {

using namespace kit::ui;

namespace {

// The hint to turn mail on is the whole of what the widget says while mail is off: it shrinks a
// little to be read whole. A mail's line is cut at its end, as a preview is.
constexpr double disconnectedHintScale = 0.85;

} // namespace

std::vector<std::string> InboxView::senderLines() const {
  if (!data.connected)
    return {"Turn on Mail in Zavel's settings"};
  std::vector<std::string> lines;
  std::istringstream preview(data.latestPreview.value_or(""));
  for (std::string line; lines.size() < 2 && std::getline(preview, line);)
    if (!line.empty())
      lines.push_back(line);
  if (lines.empty())
    return {"All caught up"};
  return lines;
}

View InboxView::body() const {
  double u = ctx.u;
  double hintScale = data.connected ? 1 : disconnectedHintScale;
  return ScreenColumn(
      ctx, {},
      {
          MicroLabel("INBOX", 9, 0.18, ZavelTokens::screenText2, ctx),
          numeralFit(Text(data.connected ? std::to_string(data.unread) : "—")
                         .font(ctx.mono(96, FontWeight::bold)))
              .padding(Edge::top, 10 * u),
          MicroLabel("UNREAD", 10, 0.16, ZavelTokens::screenText3, ctx).padding(Edge::top, 6 * u),
          Spacer(),
          VStack(HAlign::leading, 5 * u,
                 {ForEach(senderLines(),
                          [&](const std::string &line) {
                            return Text(line)
                                .font(ctx.mono(10, FontWeight::regular))
                                .foreground(ZavelTokens::screenText2)
                                .lineLimit(1)
                                .minimumScaleFactor(hintScale);
                          })}),
      });
}

} // namespace zavel
