#include "host/CommandLine.h"
#include "host/Commands.h"
#include "host/HostJson.h"
#include "host/WidgetSelection.h"

namespace zavel::host {

// The provider's timeline, or with --preview the gallery snapshot, as JSON.
int timelineCommand(Words words, CommandContext &context) {
  CommandLine line(words, {{"--config", true}, {"--preview"}}, 1, 1);
  SelectedWidget selected = selectWidget(context, line.operand(0), line.value("--config"));
  const auto family = selected.widget.info().family;
  if (line.has("--preview")) {
    auto snapshot = selected.configured.snapshot(kit::widgets::TimelineContext::of(family, true));
    json::print(context.out, json::timeline(selected.widget.kind(), {snapshot}, std::nullopt));
    return 0;
  }
  auto timeline = selected.configured.timeline(kit::widgets::TimelineContext::of(family));
  json::print(context.out,
              json::timeline(selected.widget.kind(), timeline.entries, timeline.policy));
  return 0;
}

} // namespace zavel::host
