#include "host/ActionRecording.h"
#include "host/ArgumentValues.h"
#include "host/CommandLine.h"
#include "host/Commands.h"
#include "host/HostJson.h"
#include "host/IntentCheck.h"

namespace zavel::host {

// Performs a button intent named by its type, with parameters read over its defaults.
int performCommand(Words words, CommandContext &context) {
  CommandLine line(words, {{"--params", true}}, 1, 1);
  kit::ui::IntentReference intent{line.operand(0)};
  if (auto parameters = line.value("--params"))
    intent.parameters = arguments::jsonObject("--params", *parameters);
  checkIntent(context.bundle.intents(), intent);
  ActionReport report =
      recordAction([&] { performIntent([&] { context.bundle.intents().perform(intent); }); },
                   context.backgroundWait);
  report.intent = intent;
  json::print(context.out, json::actionReport(report));
  requireEveryWrite(report);
  return 0;
}

} // namespace zavel::host
