#include "host/ActionRecording.h"
#include "host/ArgumentValues.h"
#include "host/CommandErrors.h"
#include "host/CommandLine.h"
#include "host/Commands.h"
#include "host/HostJson.h"
#include "host/IntentCheck.h"
#include "host/WidgetRendering.h"
#include "host/WidgetSelection.h"
#include "kit/ui/HitTest.h"
#include "kit/widgets/ButtonPress.h"

#include <fmt/format.h>

namespace zavel::host {
namespace {

bool inside(kit::ui::Size size, kit::ui::Point point) {
  return point.x >= 0 && point.y >= 0 && point.x <= size.width && point.y <= size.height;
}

// A link opens its address; nothing is performed.
ActionReport opened(std::string url) {
  ActionReport report;
  report.url = std::move(url);
  return report;
}

} // namespace

// Presses the widget's current entry at a point: performs the key's intent there, as the host
// does, or opens the link there (or the widget's own link where no key is).
int pressCommand(Words words, CommandContext &context) {
  CommandLine line(words, {{"--config", true}}, 3, 3);
  kit::ui::Point point{arguments::number("X", line.operand(1)),
                       arguments::number("Y", line.operand(2))};
  SelectedWidget selected = selectWidget(context, line.operand(0), line.value("--config"));
  auto timelineContext = kit::widgets::TimelineContext::of(selected.widget.info().family);
  if (!inside(timelineContext.displaySize, point))
    throw BadInput(fmt::format("({}, {}) lies outside the widget's {}x{} points", point.x, point.y,
                               timelineContext.displaySize.width,
                               timelineContext.displaySize.height));
  useShippedFonts(context);

  auto tree = layOutEntry(timelineEntry(selected, timelineContext), timelineContext.displaySize);
  const kit::ui::LaidOutNode *target = kit::ui::hitTest(tree, point);
  ActionReport report;
  if (const auto *button = target ? target->as<kit::ui::ButtonTarget>() : nullptr) {
    const kit::ui::IntentReference &intent = button->intent;
    checkIntent(context.bundle.intents(), intent.type);
    report = recordAction(
        [&] {
          performIntent([&] {
            kit::widgets::performButtonIntent(context.bundle.intents(), intent,
                                              selected.widget.kind());
          });
        },
        context.backgroundWait);
    report.intent = intent;
  } else if (const auto *link = target ? target->as<kit::ui::LinkTarget>() : nullptr) {
    report = opened(link->url);
  } else if (tree.widgetURL) {
    report = opened(*tree.widgetURL);
  } else {
    throw BadInput(fmt::format("no key at ({}, {})", point.x, point.y));
  }
  json::print(context.out, json::actionReport(report));
  requireEveryWrite(report);
  return 0;
}

} // namespace zavel::host
