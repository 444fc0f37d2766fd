#include "host/CommandLine.h"
#include "host/Commands.h"
#include "host/HostJson.h"

namespace zavel::host {

// One widget per line, tab-separated, or one JSON array.
int listCommand(Words words, CommandContext &context) {
  CommandLine line(words, {{"--json"}}, 0, 0);
  const auto &widgets = context.bundle.widgets();
  if (line.has("--json")) {
    json::Ordered list = json::Ordered::array();
    for (const auto &widget : widgets)
      list.push_back(json::widget(widget.info()));
    json::print(context.out, list);
    return 0;
  }
  for (const auto &widget : widgets) {
    const auto &info = widget.info();
    context.out << info.kind << '\t' << info.typeName << '\t' << info.displayName << '\t'
                << info.description << '\t' << kit::widgets::familyName(info.family) << '\t'
                << info.configuration.typeName << '\n';
  }
  return 0;
}

} // namespace zavel::host
