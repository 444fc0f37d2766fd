#include "host/WidgetSelection.h"

#include "host/ArgumentValues.h"
#include "host/CommandErrors.h"
#include "host/QuotedText.h"

namespace zavel::host {

SelectedWidget selectWidget(const kit::widgets::WidgetBundle &bundle, std::string_view kind,
                            const std::optional<std::string> &configuration) {
  const kit::widgets::AnyWidget *widget = bundle.widget(kind);
  if (!widget)
    throw BadInput("unknown widget kind " + quotedWord(kind));
  auto json = configuration ? arguments::jsonObject("--config", *configuration)
                            : kit::foundation::Json::object();
  try {
    return {*widget, widget->configure(json)};
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
