#include "host/WidgetSelection.h"

#include "host/ArgumentValues.h"
#include "host/CommandErrors.h"
#include "host/ParameterCheck.h"
#include "host/QuotedText.h"

namespace zavel::host {

SelectedWidget selectWidget(const CommandContext &context, std::string_view kind,
                            const std::optional<std::string> &configuration) {
  const kit::widgets::AnyWidget *widget = context.bundle.widget(kind);
  if (!widget)
    throw BadInput("unknown widget kind " + quotedWord(kind) +
                   "; zavel-widgets list shows the kinds");
  auto json = configuration ? arguments::jsonObject("--config", *configuration)
                            : kit::foundation::Json::object();
  const auto &declared = widget->info().configuration;
  checkParameters(declared, json, "--config");
  try {
    SelectedWidget selected{*widget, widget->configure(json)};
    for (const auto &note :
         unknownEntityNotes(declared, json, context.bundle.intents(), "--config"))
      context.warn(note);
    return selected;
  } catch (const kit::foundation::DecodeError &error) {
    throw BadInput(std::string("--config: ") + error.what());
  }
}

kit::widgets::AnyEntry timelineEntry(const SelectedWidget &selected,
                                     const kit::widgets::TimelineContext &context, int64_t index) {
  auto entries = selected.configured.timeline(context).entries;
  if (index < 0 || uint64_t(index) >= entries.size())
    throw BadInput("no entry " + std::to_string(index) + ": the timeline has " +
                   std::to_string(entries.size()) + " entries");
  return entries[std::size_t(index)];
}

} // namespace zavel::host
